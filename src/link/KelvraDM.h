#pragma once

#include "core/FieldSplitting.h"
#include "link/NetworkApply.h"
#include "link/Operations.h"
#include "link/Ports.h"
#include "link/WaitSlicer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

// The data module: the link state towards one device, the exchanges with it and
// the writes made of them (the readout, DeviceReadout.h, is built on it). The
// window has one; kelvra-cli makes one for each device it works on. It blocks the
// calling thread for the whole exchange; a listener, when given, gets its turns
// during the waits.
class TFKelvraDM {
public:
    TFKelvraDM(DatagramEndpoint& endpoint, Clock& clock, OperatorConsole& console,
               HostNetwork& hostNetwork, WaitListener* listener = nullptr);
    TFKelvraDM(const TFKelvraDM&) = delete;
    TFKelvraDM& operator=(const TFKelvraDM&) = delete;

    // Reopens the endpoint towards ipText:portText and performs the handshake.
    // True when the reply holds "OK".
    bool ConnectDevice(const std::string& ipText, const std::string& portText);
    // One read command; the reply with CR LF pairs removed ("" when none came).
    std::string QueryDevice(const std::string& command);
    // One limit command, no handshake, no test of the reply. Returns the reply as
    // received ("" when none came), for a caller that wants to judge it.
    std::string SendLimit(const std::string& command, const std::string& valueText);
    // Limit commands in order (LimitWrites.cpp). Every value is converted before the
    // first goes out, so a bad low limit leaves the high one unsent too. Set when
    // every reply holds "OK"; the text lists each datagram with its reply.
    WriteOutcome SendLimits(const std::vector<LimitSetting>& limits);
    // A quantity's high limit, then its low one.
    WriteOutcome SetLimitPair(const Quantity& quantity, const std::string& highText,
                              const std::string& lowText);
    WriteOutcome SetCalibration(const std::string& valueText);

    // One confirmed setting: handshake loop, set command, tally.
    void SetDeviceValue(const std::string& command, const std::string& value,
                        const std::string& caption);
    // The operator's message for a batch, which it returns; starts a new tally.
    WriteOutcome ShowSetResult(const std::string& caption, const std::string& value);

    // Device writes made of confirmed settings (AddressProgramming.cpp,
    // ClockProgramming.cpp). An address goes octet by octet, then its commit when all
    // four were taken; the result box only when showResult; the tally stays as it
    // ends. An address that is not four octets throws (ProgrammableAddressParts)
    // before anything is sent.
    WriteOutcome SetAddressValue(const std::string& value, const std::string& prefix,
                                 const std::string& caption, bool showResult);
    // The device clock from one reading of the PC clock, judged from a tally of 0;
    // one result box at the end.
    WriteOutcome SetDeviceClock();
    // Readdresses the device (NetworkApply.cpp): every address checked, the group
    // warning, the connect, the refusals of the new address, then the four
    // addresses whatever became of the one before and the power-cycle request.
    // Every box goes to the console as it comes; the outcome says what happened.
    NetworkApplyOutcome ApplyNetworkSettings(const NetworkSettings& settings);
    // The PC's first IPv4 address, or one of the "ERROR_" texts.
    std::string GetLocalIpText();

    // Refills list from text, and resets the tally, only when the delimiter occurs.
    void SplitFields(char delimiter, std::string_view text, FieldList& list);
    // A "|"-delimited device record into the shared list. A reply without "|" is a
    // record of one item, the reply itself, so no items of an earlier split survive.
    void LoadRecord(std::string_view reply);
    // The MAC reply in dotted two-digit hexadecimal.
    std::string FormatMac(std::string_view text);

    // The log line prefix: the PC's time of day.
    std::string TimeStamp() const;
    // Appends the time stamp and text to the exchange log.
    void Log(const std::string& text);
    // The PC clock's present moment, for the window's clock box.
    TimePoint Now() const { return clock_.now(); }
    // The PC clock when the last reply came in.
    TimePoint LastReplyTime() const { return lastReplyAt_; }
    CalendarTime LocalTime(TimePoint t) const { return clock_.localTime(t); }

    // True and text set to the PC's own IPv4 address; false and text untouched.
    bool GetLocalIp(std::string& text);
    // Whether someone holds the address text: one echo probe and, when that goes
    // unanswered, a hardware address learned for it (a host that drops echo still
    // answers the ARP the echo set off).
    bool AddressTaken(const std::string& text);

    const std::string& LastResponse() const { return lastResponse_; }
    std::int32_t SetTally() const { return setTally_; }
    bool DeviceConnected() const { return deviceConnected_; }
    FieldList& Fields() { return fieldList_; }
    const FieldList& Fields() const { return fieldList_; }

private:
    void DataModuleCreate();
    // The verdict of a batch of confirmed settings and its text, doneText after the
    // value when set.
    WriteOutcome JudgeBatch(const std::string& caption, const std::string& value,
                            std::string_view doneText) const;
    // Every batch counts from 0, and notes anew whether a command was refused or
    // unanswered.
    void StartTally();
    void Send(const std::string& text);
    std::string Receive();
    void Pause(int ms);
    // Whether a batch that was not set was refused by none and unanswered by one.
    bool BatchUnanswered(bool set) const { return !set && !setRefused_ && setUnanswered_; }

    DatagramEndpoint& endpoint_;
    Clock& clock_;
    OperatorConsole& console_;
    HostNetwork& hostNetwork_;
    WaitSlicer waits_;

    std::string lastResponse_;
    TimePoint lastReplyAt_;
    std::int32_t setTally_ = 0;
    // Since the tally last started: whether a set command's reply refused it, and
    // whether one went unanswered.
    bool setRefused_ = false;
    bool setUnanswered_ = false;
    bool deviceConnected_ = false;
    FieldList fieldList_;
};

} // namespace kelvra
