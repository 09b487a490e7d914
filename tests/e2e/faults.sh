#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program against one thing gone wrong around it: locks left
# behind, settings it cannot read or write, a browser that does not open, no
# place for its instance lock, a crash. Whatever it is, the main window
# comes up in time, the stored date survives, and the user is told where
# telling helps: one line on stderr, or a message box titled "Zentrova".
# Usage: ZENTROVA_VERSION=1.0 faults.sh ZENTROVA_BINARY CASE
# Exits 77 (skipped) for a case that needs an unprivileged user it cannot get.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
CASE="$2"

# Long enough for a loaded machine, far below any lock's wait.
IN_TIME=5
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
    main_window=$(wait_main_window "$IN_TIME")
    local elapsed=$(($(now_ms) - started))
    check "the main window appears within $IN_TIME s (after $elapsed ms)" test -n "$main_window"
    [ -n "$main_window" ] || finish
}

no_question() {
    check "no message box is shown" no_message_box
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
    farewell=$(wait_window 10 "$MAIN_TITLE" "$main_window")
    check "closing the main window shows the farewell window" test -n "$farewell"
    [ -n "$farewell" ] && keys "$farewell" alt+x
    wait_until 10 has_exited "$program"
    check "Exit on the farewell window ends the program in time" has_exited "$program"
    if has_exited "$program"; then
        wait "$program"
        check "with status 0" test $? -eq 0
    else
        kill -9 "$program"
        wait "$program" 2>/dev/null
    fi
}

# What a user can copy out of a message box: its text, selected by a drag
# with the mouse from the first to the last dark pixel right of the icon and
# above the buttons, and any field reached with Tab, copied with Ctrl+A and
# Ctrl+C. Empty when nothing can be selected. The drag goes by pixels: that
# the text can be selected with the mouse is what it tests.
box_text() { # window
    local WIDTH HEIGHT X Y SCREEN WINDOW bounds w h x y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window "$1" "$WORK/box.png"
    bounds=$(convert "$WORK/box.png" -crop "$((WIDTH - 50))x$((HEIGHT - 45))+50+0" +repage \
        -colorspace Gray -threshold 40% -negate -format '%@' info:)
    IFS='x+' read -r w h x y <<<"$bounds"
    printf '' | xclip -selection primary >/dev/null 2>&1
    xdotool mousemove --window "$1" $((50 + x)) $((y + 3)) mousedown 1 \
        mousemove --window "$1" $((50 + x + w)) $((y + h - 1)) mouseup 1
    wait_until 3 bash -c 'xclip -o -selection primary 2>/dev/null | grep -q .'
    xclip -o -selection primary 2>/dev/null
    echo
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    for _ in 1 2 3; do
        keys "$1" Tab ctrl+a ctrl+c
        wait_until 1 bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q .' && break
    done
    xclip -o -selection clipboard 2>/dev/null
}

# Help > Online Help with an opener that fails: a warning names the address.
link_fails_visibly() {
    main_window_in_time
    choose h o
    local box
    box=$(wait_window "$IN_TIME" "$NAME_TITLE")
    check "a message box titled $NAME_TITLE appears" test -n "$box"
    if [ -n "$box" ]; then
        local text
        text=$(box_text "$box")
        echo "$text" | sed 's/^/    box: /'
        check "it shows the address as selectable text" grep -q "/zentrova-help.html" <<<"$text"
        keys "$box" Return
        check "OK closes it" wait_until 5 no_message_box
    fi
    still_running
    date_survives "$RECENT"
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
settings-lock-empty-file)
    # A copy killed while it took its settings lock left the lock empty.
    # Until it is old enough to count as left behind, it counts as held.
    fresh_home
    prepare() {
        store_date "$1"
        : >"$SETTINGS.lock"
    }
    settings_lock_case "its lock .* is held by another process"
    ;;
settings-lock-old-folder)
    # Something made a folder where the settings lock goes, an hour ago: a
    # lock that can be neither taken nor removed.
    fresh_home
    prepare() {
        store_date "$1"
        mkdir -p "$SETTINGS.lock"
        touch -d '1 hour ago' "$SETTINGS.lock"
    }
    settings_lock_case "its lock .* cannot be taken: it is a folder"
    ;;
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
link-without-browser)
    fresh_home
    store_date "$RECENT"
    rm "$WORK/bin/xdg-open"
    launch env -u BROWSER PATH="$WORK/bin"
    link_fails_visibly
    ;;
link-opener-fails)
    fresh_home
    store_date "$RECENT"
    browser 'echo "$@" >> "'"$OPENED"'"; exit 3'
    launch
    link_fails_visibly
    check "the opener was asked for the help page" grep -qs "/zentrova-help.html" "$OPENED"
    ;;
oversized-referral)
    # A message far beyond what an address can carry is refused before the
    # browser sees it, and the focus goes back to the message box.
    fresh_home
    store_date "$RECENT"
    launch
    main_window_in_time
    keys "$main_window" alt+F4
    farewell=$(wait_window 10 "$MAIN_TITLE" "$main_window")
    check "closing the main window shows the farewell window" test -n "$farewell"
    [ -n "$farewell" ] || finish
    # The window opens with the focus on Exit. Tab leads on through the tick
    # box to the boxes of the Refer A Friend frame, with its button after
    # the first.
    type_after_tabs() { # tabs text
        local presses=()
        for ((press = 0; press < $1; press++)); do presses+=(Tab); done
        xdotool key --clearmodifiers "${presses[@]}"
        xdotool type --delay 5 "$2"
    }
    focus "$farewell"
    type_after_tabs 2 "Ann"             # your name
    type_after_tabs 2 "ann@example.org" # your e-mail address
    type_after_tabs 1 "bob@example.net" # your friend's
    type_after_tabs 1 "Bob"             # your friend's name
    # Tab leads from the friend's name into the hidden message box.
    head -c 50000 /dev/zero | tr '\0' '&' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key --clearmodifiers Tab ctrl+a ctrl+v
    # Laying out so long a text takes a while on a busy machine.
    wait_until 20 is_idle "$program"
    xdotool key --clearmodifiers alt+n
    box=$(wait_window "$IN_TIME" "$NAME_TITLE")
    check "a message box titled $NAME_TITLE appears" test -n "$box"
    if [ -n "$box" ]; then
        text=$(box_text "$box")
        echo "$text" | sed 's/^/    box: /'
        check "it tells of the length, not of an entry check" \
            bash -c '[ -n "$1" ] && ! grep -q "Please Enter" <<<"$1"' _ "$text"
        keys "$box" Return
        wait_until 5 no_message_box
    fi
    check "no web page is opened" test ! -e "$OPENED"
    # A letter typed now, and everything copied from where it went: the
    # ampersands and the letter, when the focus is back on the message box.
    keys "$farewell" Z
    wait_until 20 is_idle "$program"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    wait_until 10 bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q "Z$"'
    check "the focus is back on the message box" \
        test "$(xclip -o -selection clipboard 2>/dev/null | tr -d '&')$(xclip -o -selection clipboard 2>/dev/null | tr -cd '&' | wc -c)" = "Z50000"
    # The same form with a short message goes out: the other entries were
    # valid. The focus is still on the message box, as just checked.
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "Hello"
    xdotool key --clearmodifiers alt+n
    check "a short message is sent" wait_until 5 grep -qs "taf3=Hello" "$OPENED"
    still_running
    date_survives "$RECENT"
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
settings-garbage)
    fresh_home
    for _ in 1 2 3 4 5 6 7 8; do
        printf "$(printf '\\%03o' $(seq 0 255))"
    done >"$SETTINGS"
    cp "$SETTINGS" "$WORK/garbage"
    launch
    main_window_in_time
    no_question
    still_running
    check "the file is left as it was, or starts over with today's date" \
        bash -c "cmp -s '$SETTINGS' '$WORK/garbage' || grep -qx 'Duration=$TODAY' '$SETTINGS'"
    end_session
    ;;
settings-path-is-folder)
    fresh_home
    mkdir "$SETTINGS"
    launch
    main_window_in_time
    no_question
    end_session
    check "the folder is left in place" test -d "$SETTINGS"
    told_once_on_stderr "update reminder skipped: cannot read $SETTINGS: it is a folder" \
        "the settings cannot be read"
    ;;
settings-oversized)
    # A settings file of 1 GiB (sparse: it takes no disk) is not read at all.
    fresh_home
    store_date "$RECENT"
    truncate -s 1G "$SETTINGS"
    launch
    main_window_in_time
    no_question
    end_session
    check "the file keeps its size" test "$(stat -c %s "$SETTINGS")" -eq $((1 << 30))
    # Not grep on the whole file: its zeros make one line of 1 GiB.
    check "and its date" bash -c "head -n 2 '$SETTINGS' | grep -qx 'Duration=$RECENT'"
    told_once_on_stderr "update reminder skipped: cannot read $SETTINGS: it is larger than" \
        "the settings are not read"
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
settings-escaped-backslash)
    # A value ending in an escaped backslash (not a date, so replaced by
    # today's) ends on its line: the entry after it is kept.
    fresh_home
    printf '[Settings]\nDuration=C:\\\\\nKeep=me\n' >"$SETTINGS"
    launch
    main_window_in_time
    no_question
    end_session
    date_survives "$TODAY"
    check "the entry after it survives" grep -qx 'Keep=me' "$SETTINGS"
    check "nothing of ours on stderr" test "$(reports)" -eq 0
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
killed-then-restarted)
    fresh_home
    store_date "$RECENT"
    launch
    main_window_in_time
    kill -9 "$program"
    wait "$program" 2>/dev/null
    launch
    main_window_in_time
    no_question
    date_survives "$RECENT"
    end_session
    check "the single-instance lock is released" \
        bash -c "! find '$XDG_RUNTIME_DIR' -name '*.lock' | grep -q ."
    ;;
*)
    echo "unknown case: $CASE"
    exit 2
    ;;
esac
finish
