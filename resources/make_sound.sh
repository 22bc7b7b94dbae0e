#!/bin/bash
# Makes vemomp3.mp3, the spoken alert played when a followed novel gets a new chapter.
# Needs the Debian packages espeak-ng and lame.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
notice="您好，您关注的小说有新章节更新了"
# The plain "cmn" voice reads its own pinyin back in English; this one speaks real Mandarin.
voice="cmn-latn-pinyin+f3"
# A little brisker than the default keeps the notice under four seconds.
words_per_minute=210

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

espeak-ng -v "$voice" -s "$words_per_minute" -w "$work/notice.wav" "$notice"
lame --quiet --noreplaygain -m m -b 48 "$work/notice.wav" "$here/vemomp3.mp3"
