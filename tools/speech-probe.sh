#!/bin/sh
# Reading aloud for real: starts a private speech-dispatcher with espeak-ng (its sound going to
# ALSA's null device), has the program's voice say a Portuguese sentence, and checks in
# speech-dispatcher's own log that the sentence arrived and was said in the voice of Portugal.
#   tools/speech-probe.sh BUILD_DIR
set -eu
build=$(readlink -f "${1:-build}")
work=$(mktemp -d /tmp/talvera-speech.XXXXXX)
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/conf" "$work/log"
chmod 700 "$XDG_RUNTIME_DIR"
cp -r /etc/speech-dispatcher/. "$work/conf/"
sed -i 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/;
        s/^# *DefaultModule espeak-ng$/DefaultModule espeak-ng/' "$work/conf/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
speech-dispatcher -s -t 0 -l 5 -C "$work/conf" -L "$work/log" >"$work/speechd.out" 2>&1 &
daemon=$!
trap 'kill $daemon 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 20); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.25
done
sentence="Um quarto mais quinze sextos é igual a onze quartos."
QT_QPA_PLATFORM=offscreen "$build/talvera-speech-check" "$sentence"
log="$work/log/speech-dispatcher.log"
grep -q "$sentence" "$log" || { echo "speech-probe: the sentence did not reach speech-dispatcher" >&2; exit 1; }
# The voice chosen last before the sentence is the one it is said in.
voice=$(grep "SET SELF SYNTHESIS_VOICE" "$log" | tail -n 1 | tr -d '\r' | sed 's/.*SYNTHESIS_VOICE //; s/[[:space:]]*$//')
[ "$voice" = "Portuguese (Portugal)" ] ||
    { echo "speech-probe: said in the voice «$voice», not in that of Portugal" >&2; exit 1; }
echo "speech-probe: the sentence reached speech-dispatcher in the voice of Portugal"
