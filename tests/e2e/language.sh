#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program follows the desktop's language: under the given settings
# it answers the access keys of that language's texts, and not the other
# language's, in the update question (Qt's own buttons), the reading view, the
# menus and the farewell window.
# Usage: ZENTROVA_VERSION=1.0 language.sh ZENTROVA_BINARY TS_FILE|- VARIABLE=VALUE...
# TS_FILE is the translations of the language expected; "-" for the English
# texts. The assignments are the desktop's language settings (LANG=de_DE.UTF-8,
# LANGUAGE=en_US:de); every other one is unset.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
TS_FILE="$2"
LANGUAGE_SETTINGS=("${@:3}")

# The access key, lower case, of a text as the program shows it, as xdotool
# names it ("udiaeresis" for the "ü" of "&Über").
key_of() { # english-source
    python3 - "$TS_FILE" "$1" <<'PY'
import re, sys, unicodedata, xml.etree.ElementTree as ET
ts, source = sys.argv[1], sys.argv[2]
text = source
if ts != "-":
    for message in ET.parse(ts).getroot().iter("message"):
        if message.findtext("source") == source:
            text = message.findtext("translation")
match = re.search(r"&([^&\s])", text)
key = match.group(1).lower() if match else ""
accented = re.fullmatch(r"LATIN SMALL LETTER (\w) WITH (\w+).*", unicodedata.name(key, "") if key else "")
print(accented.group(1).lower() + accented.group(2).lower() if accented else key)
PY
}

if [ "$TS_FILE" = "-" ]; then
    yes=y other_yes=j
else
    yes=j other_yes=y
fi
cast_again=$(key_of "&Cast Zentrova Again")
about_menu=$(key_of "&Help")
about_entry=$(key_of "&About Software")
exit_key=$(key_of "E&xit")
echo "keys: yes=$yes cast again=$cast_again help=$about_menu about=$about_entry exit=$exit_key"
# A letter no text of the language under test uses, in the same places.
unused() { for k in x c e q z; do [ "$k" != "$1" ] && echo "$k" && return; done; }

start_desktop
# The keyboard of the language's users, on which its access keys (the "ü" of
# "&Über") are keys. On another one xdotool lends a spare key the letter for
# each press and takes it back at once, and a busy program may read the
# keyboard's map only after that.
if [ "$TS_FILE" != "-" ]; then
    language=$(basename "$TS_FILE" .ts)
    language=${language#zentrova_}
    # A country's own layout where the language names one (pt_BR: br).
    layout=$(tr '[:upper:]' '[:lower:]' <<<"${language#*_}")
    setxkbmap -layout "$layout" || { echo "FAIL: no keyboard layout $layout"; exit 1; }
fi
fresh_home
store_date "$(date -d "$TODAY - 15 days" +%Y-%m-%d)"
unset LANGUAGE LC_ALL LC_MESSAGES LANG
export "${LANGUAGE_SETTINGS[@]}"
launch

question=$(wait_for_window dialog)
check "the update question opens" test -n "$question"
if [ -n "$question" ]; then
    keys_then_tab "$question" "alt+$other_yes"
    check "the other language's Yes key does not answer it" has_window dialog
    # Yes answers by its key even with the focus on No.
    keys "$question" "alt+$yes"
    check "this language's Yes key answers it and opens the download page" \
        wait_for "the download page" grep -qs download "$OPENED"
fi

main_window=$(wait_main_window)
check "the main window opens" test -n "$main_window"
[ -n "$main_window" ] || finish

# Tab goes to the choices: the fourth is the comprehensive reading.
keys "$main_window" Tab Tab Tab Tab space
check "the fourth choice casts" wait_for "the reading" reading_shown
keys_then_tab "$main_window" "alt+$(unused "$cast_again")"
check "another key leaves the reading in front" reading_shown
keys "$main_window" "alt+$cast_again"
check "Cast Zentrova Again answers its own key" wait_for "the dice view" dice_view_shown

check "the About entry opens the about window" choose "$about_menu" "$about_entry"
about=$(wait_for_window dialog)
check "the about window is shown" test -n "$about"
[ -n "$about" ] && keys "$about" Escape
wait_for "the about window to close" no_window dialog

keys "$main_window" alt+F4
farewell=$(wait_for_window farewell)
check "the farewell window opens" test -n "$farewell"
if [ -n "$farewell" ]; then
    keys_then_tab "$farewell" "alt+$(unused "$exit_key")"
    check "another key does not end the program" has_window farewell
    keys "$farewell" "alt+$exit_key"
    check "Exit ends the program with status 0" ends_with_status_zero "$program"
fi
finish
