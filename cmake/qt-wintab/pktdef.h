/* The tablet packet layout for the fields a program asks for in PACKETDATA,
   in the order the tablet driver writes them. Debian's Qt source leaves out
   its copy of this header; Qt's Windows platform plugin needs it to build. */
#ifndef KELVRA_PKTDEF_H
#define KELVRA_PKTDEF_H

#ifndef PACKETMODE
#define PACKETMODE 0
#endif

typedef struct tagPACKET {
#if PACKETDATA & PK_CONTEXT
    HCTX pkContext;
#endif
#if PACKETDATA & PK_STATUS
    UINT pkStatus;
#endif
#if PACKETDATA & PK_TIME
    DWORD pkTime;
#endif
#if PACKETDATA & PK_CHANGED
    WTPKT pkChanged;
#endif
#if PACKETDATA & PK_SERIAL_NUMBER
    UINT pkSerialNumber;
#endif
#if PACKETDATA & PK_CURSOR
    UINT pkCursor;
#endif
#if PACKETDATA & PK_BUTTONS
    DWORD pkButtons;
#endif
#if PACKETDATA & PK_X
    LONG pkX;
#endif
#if PACKETDATA & PK_Y
    LONG pkY;
#endif
#if PACKETDATA & PK_Z
    LONG pkZ;
#endif
#if PACKETDATA & PK_NORMAL_PRESSURE
    UINT pkNormalPressure;
#endif
#if PACKETDATA & PK_TANGENT_PRESSURE
    UINT pkTangentPressure;
#endif
#if PACKETDATA & PK_ORIENTATION
    ORIENTATION pkOrientation;
#endif
#if PACKETDATA & PK_ROTATION
    ROTATION pkRotation;
#endif
} PACKET, *PPACKET, *LPPACKET;

#endif
