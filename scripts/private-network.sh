# shellcheck shell=bash
# Sourced by the scripts that start the program, the simulator or wine, to run
# them in network, process and mount namespaces of their own: nothing sent there
# reaches this machine's network, and nothing started there outlives the script.
# A script calls in_private_network with itself and --inside; its --inside part
# sets up the rest with the functions below.

# in_private_network COMMAND [ARGUMENT...]: runs COMMAND with loopback up as the
# first process of fresh namespaces (in a user namespace of its own when not
# root) and returns its status.
in_private_network() {
    local namespaces=(--net --pid --fork --kill-child --mount-proc)
    if [[ $(id -u) -ne 0 ]]; then
        namespaces=(--map-root-user "${namespaces[@]}")
    fi
    unshare "${namespaces[@]}" -- sh -c 'ip link set lo up && exec "$@"' sh "$@"
}

# private_lan: the PC at 192.168.1.10/24 on a bridge. Nothing answers there but
# the hosts private_lan_host adds, so the program finds the PC's address and its
# start-up probes of the subnet go nowhere else.
private_lan() {
    ip link add kvlan type bridge
    ip addr add 192.168.1.10/24 dev kvlan
    ip link set kvlan up
}

# private_lan_host NAME ADDRESS...: a host on the bridge that answers at each
# ADDRESS, in a network namespace of its own that a sleeping process holds.
private_lan_host() {
    local name=$1 holder commands="ip link set lo up"
    shift
    unshare --net sleep infinity &
    holder=$!
    until [[ -e /proc/$holder/ns/net && $(readlink "/proc/$holder/ns/net") != $(readlink /proc/self/ns/net) ]]; do
        sleep 0.01
    done
    ip link add "kvp$name" type veth peer name "kvh$name" netns "$holder"
    ip link set "kvp$name" master kvlan up
    for address in "$@"; do
        commands+=" && ip addr add $address/24 dev kvh$name"
    done
    nsenter -t "$holder" -n sh -c "$commands && ip link set kvh$name up"
    sleep 0.2 # the bridge port starts forwarding
}

# private_display: an X server of its own on a free display; sets DISPLAY and
# stops the server when the script exits (this takes the EXIT trap).
private_display() {
    local number
    exec {xvfb_output}< <(exec Xvfb -displayfd 1 -screen 0 1280x720x24 -nolisten tcp 2>/dev/null)
    private_display_server=$!
    read -r number <&"$xvfb_output"
    export DISPLAY=":$number"
    # The wait lets it remove its socket and lock file before the namespace ends.
    trap 'kill "$private_display_server" && wait "$private_display_server" || true' EXIT
}

# watch_windows: one client that stays connected and reports every top-level
# window mapped on the display, for wait_for_window. A client per look would
# crowd the display while the program connects to it.
watch_windows() {
    exec {window_events}< <(exec xev -root -event substructure 2>/dev/null)
}

# wait_for_window PID TITLE SECONDS: waits until the first top-level window
# mapped after the last call is TITLE and prints its id and the time the watcher
# reported it (microseconds since the epoch). Fails with the reason when another
# window comes first, process PID ends first, or SECONDS pass.
wait_for_window() {
    local pid=$1 title=$2 deadline=$((SECONDS + $3)) line mapped=0 shown window
    while ((SECONDS < deadline)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before its window showed" >&2
            return 1
        fi
        read -r -t 0.1 line <&"$window_events" || continue
        if [[ $line == "MapNotify event"* ]]; then
            mapped=1
        elif ((mapped)) && [[ $line =~ window\ (0x[0-9a-f]+),\ override\ NO$ ]]; then
            shown=${EPOCHREALTIME/./}
            window=${BASH_REMATCH[1]}
            if [[ $(xdotool getwindowname "$window") != "$title" ]]; then
                echo "\"$(xdotool getwindowname "$window")\" showed before \"$title\"" >&2
                return 1
            fi
            echo "$window $shown"
            return 0
        else
            mapped=0
        fi
    done
    echo "no window within $3 s" >&2
    return 1
}
