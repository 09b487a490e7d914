#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program against one thing gone wrong around it that only a real
# system can set up: another user's locks, files and folders it may not
# write, a full disk, a browser that fails, no place for its instance lock,
# settings nested deep enough for the real program's stack. (What a test
# process can set up for itself, the unit tests cover.)
# Whatever it is, the main window comes up in time, the stored date
# survives, and the user is told where telling helps: one line on stderr, or
# a message box titled "Zentrova".
# Usage: ZENTROVA_VERSION=1.0 faults.sh ZENTROVA_BINARY CASE
# Exits 77 (skipped) for a case that needs an unprivileged user it cannot get.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
CASE="$2"

# Long enough for a loaded machine, yet below the 30 s after which QSettings'
# own lock would count a lock in the way as left behind.
IN_TIME=20
RECENT="$(date -d "$TODAY - 3 days" +%Y-%m-%d)"
DUE="$(date -d "$TODAY - 15 days" +%Y-%m-%d)"

needs_unprivileged_user() {
    if ! can_drop_privileges; then
        echo "SKIP: $CASE needs root and setpriv to run the program as nobody (root ignores file permissions)"
        exit 77
    fi
}

# The main window is visible within IN_TIME seconds of the start.
main_window_in_time() {
    local BOUND=$IN_TIME # for wait_for
    main_window=$(wait_main_window)
    local elapsed=$(($(now_ms) - started))
    check "the main window appears within $((IN_TIME * TIME_FACTOR)) s (after $elapsed ms)" \
        test -n "$main_window"
    [ -n "$main_window" ] || finish
}

no_question() {
    check "no message box is shown" no_window dialog
}

still_running() {
    check "the program keeps running" kill -0 "$program"
}

date_survives() { # date
    check "the stored date $1 survives" stored_date_is "$1"
}

# Exactly one line of ours on stderr, matching the pattern.
told_once_on_stderr() { # pattern description
    check "stderr says once that $2" test "$(grep -c "^zentrova: .*$1" "$STDERR")" -eq 1
    check "nothing else of ours on stderr" test "$(reports)" -eq 1
    sed 's/^/    stderr: /' "$STDERR"
}

# Ends the program the way a user does: close the main window, then Exit on
# the farewell window.
end_session() {
    keys "$main_window" alt+F4
    local farewell
    farewell=$(wait_for_window farewell)
    check "closing the main window shows the farewell window" test -n "$farewell"
    [ -n "$farewell" ] && keys "$farewell" alt+x
    check "Exit on the farewell window ends the program with status 0" \
        ends_with_status_zero "$program"
}

# What a user can copy out of a message box: the field reached with Tab,
# copied with Ctrl+A and Ctrl+C. The desktop is the test's own, so nothing
# else has put anything on its clipboard.
copied_from_box() { # window
    keys "$1" Tab ctrl+a ctrl+c
    wait_for "the message box's text on the clipboard" \
        bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q .' &&
        xclip -o -selection clipboard 2>/dev/null
}

# A settings lock in the way, made by prepare(date) with the settings file.
# A first start (no date yet) cannot record today's date past it: the file
# and the lock are left as they were, and stderr says why, matching reason.
# A stored date needs no write: it is kept, and nothing is said. Neither
# start waits long on the lock.
settings_lock_case() { # reason [command-prefix...]
    local reason="$1"
    shift
    prepare ""
    cp "$SETTINGS" "$WORK/before"
    launch "$@"
    main_window_in_time
    no_question
    end_session
    check "the settings file is left as it was" cmp -s "$SETTINGS" "$WORK/before"
    check "the lock is left in place" test -e "$SETTINGS.lock"
    told_once_on_stderr "first start not recorded: cannot write $SETTINGS: $reason" \
        "today's date could not be recorded"
    prepare "$RECENT"
    launch "$@"
    main_window_in_time
    no_question
    end_session
    date_survives "$RECENT"
    check "nothing of ours on stderr with a stored date" test "$(reports)" -eq 0
}

start_desktop
case "$CASE" in
settings-lock-other-user)
    # A copy run by root holds a lock the user can neither read nor check
    # the owner of.
    needs_unprivileged_user
    fresh_home nobody
    prepare() {
        store_date "$1"
        chown nobody "$SETTINGS"
        rm -rf "$SETTINGS.lock"
        : >"$SETTINGS.lock"
        chmod 600 "$SETTINGS.lock"
    }
    settings_lock_case "its lock .* is held by another process" "${AS_NOBODY[@]}"
    ;;
settings-lock-unwritable-folder)
    # An old lock in a settings folder the user cannot write, beside a
    # settings file the user can: the lock is stale, but cannot be removed,
    # and no new file can be made beside the old one.
    needs_unprivileged_user
    fresh_home nobody
    chown root "$XDG_CONFIG_HOME"
    chmod 755 "$XDG_CONFIG_HOME"
    prepare() {
        store_date "$1"
        chown nobody "$SETTINGS"
        : >"$SETTINGS.lock"
        touch -d '1 hour ago' "$SETTINGS.lock"
    }
    settings_lock_case "Permission denied" "${AS_NOBODY[@]}"
    ;;
settings-unwritable-update-due)
    # The question is due, but its date could not be stored: asking would
    # come back at every start, so it is not asked, and stderr says why.
    needs_unprivileged_user
    fresh_home nobody
    chown root "$XDG_CONFIG_HOME"
    chmod 755 "$XDG_CONFIG_HOME"
    store_date "$DUE"
    launch "${AS_NOBODY[@]}"
    main_window_in_time
    no_question
    check "no web page is opened" test ! -e "$OPENED"
    end_session
    date_survives "$DUE"
    told_once_on_stderr "reminder" "the update reminder is skipped"
    ;;
link-opener-fails)
    # Help > Online Help with an opener that fails: a warning shows the
    # address for the user to copy.
    fresh_home
    store_date "$RECENT"
    browser 'echo "$@" >> "'"$OPENED"'"; exit 3'
    launch
    main_window_in_time
    choose h o
    box=$(wait_for_window dialog)
    check "a message box appears" test -n "$box"
    if [ -n "$box" ]; then
        check "titled $NAME_TITLE" test "$(title_of "$box")" = "$NAME_TITLE"
        text=$(copied_from_box "$box")
        echo "$text" | sed 's/^/    copied: /'
        check "it shows the address as text to copy" grep -q "/zentrova-help.html" <<<"$text"
        keys "$box" Return
        check "OK closes it" wait_for "the message box to close" no_window dialog
    fi
    still_running
    date_survives "$RECENT"
    check "the opener was asked for the help page" grep -qs "/zentrova-help.html" "$OPENED"
    ;;
instance-lock-unwritable)
    # Neither the runtime folder nor the temporary folder can hold the
    # instance lock: the program runs without it, and says so.
    needs_unprivileged_user
    fresh_home nobody
    chown root "$XDG_RUNTIME_DIR" "$TMPDIR"
    chmod 755 "$XDG_RUNTIME_DIR" "$TMPDIR"
    store_date "$RECENT"
    chown nobody "$SETTINGS"
    launch "${AS_NOBODY[@]}"
    main_window_in_time
    no_question
    end_session
    date_survives "$RECENT"
    told_once_on_stderr "lock" "a second copy would not be refused"
    ;;
instance-lock-left-by-root)
    # A copy once started with sudo left a root-owned lock behind, naming a
    # process long gone: the user's copy takes it over and starts.
    needs_unprivileged_user
    fresh_home nobody
    store_date "$RECENT"
    chown nobody "$SETTINGS"
    printf '%s\nzentrova\n%s\n' 999999 "$(hostname)" >"$XDG_RUNTIME_DIR/zentrova.lock"
    chmod 644 "$XDG_RUNTIME_DIR/zentrova.lock"
    touch -d '-1 hour' "$XDG_RUNTIME_DIR/zentrova.lock"
    launch "${AS_NOBODY[@]}"
    main_window_in_time
    no_question
    check "the lock is now the user's" test "$(stat -c %U "$XDG_RUNTIME_DIR/zentrova.lock")" = nobody
    end_session
    check "nothing of ours on stderr" test "$(reports)" -eq 0
    ;;
settings-encoded-data)
    # Another group holds a list nested 40,000 deep, as QSettings keeps a
    # QVariant; decoding it overflows the stack. QSettings decodes it when it
    # writes the date, after the question that is due: the file is not
    # handed to QSettings at all.
    fresh_home
    store_date "$DUE"
    {
        printf '[Other]\nlist=@Variant('
        # shellcheck disable=SC2046 # one argument per level
        printf '\0\0\0\t\0\0\0\1%.0s' $(seq 40000)
        printf '\0\0\0\t\0\0\0\0)\n'
    } >>"$SETTINGS"
    cp "$SETTINGS" "$WORK/before"
    launch
    main_window_in_time
    no_question
    still_running
    end_session
    check "the settings file is left as it was" cmp -s "$SETTINGS" "$WORK/before"
    told_once_on_stderr "update reminder skipped: cannot read $SETTINGS: it holds data encoded" \
        "the settings are not read"
    ;;
settings-disk-full)
    # The settings folder on a full disk: a small tmpfs, filled, mounted over
    # it in a mount namespace of the program's own, so that nothing stays
    # mounted whatever becomes of the test. Seen from here through
    # /proc/PID/root while the program runs.
    fresh_home
    # shellcheck disable=SC2016 # expanded by the shell in the namespace
    mount_full_disk='mount -t tmpfs -o size=64k tmpfs "$XDG_CONFIG_HOME" &&
        printf "[Settings]\nDuration=\n" >"$XDG_CONFIG_HOME/zentrova.conf" || exit 1
        head -c 1M /dev/zero >"$XDG_CONFIG_HOME/fill" 2>/dev/null
        exec "$@"'
    if ! unshare --mount --propagation private bash -c "$mount_full_disk" _ true; then
        echo "SKIP: $CASE needs to mount a tmpfs in a mount namespace of its own"
        exit 77
    fi
    launch unshare --mount --propagation private bash -c "$mount_full_disk" _
    main_window_in_time
    no_question
    inside="/proc/$program/root$XDG_CONFIG_HOME"
    check "its settings folder is full" test "$(stat -f -c %a "$inside")" -eq 0
    check "the settings file is left as it was" \
        bash -c "printf '[Settings]\nDuration=\n' | cmp -s - '$inside/zentrova.conf'"
    end_session
    told_once_on_stderr "first start not recorded: cannot write $SETTINGS: No space left on device" \
        "the disk is full"
    ;;
*)
    echo "unknown case: $CASE"
    exit 2
    ;;
esac
finish
