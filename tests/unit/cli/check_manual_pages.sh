#!/bin/sh
# Formats each built manual page as man does and fails on any warning of the formatter
# (a misread escape, an unknown macro, a line it cannot fit).
set -eu
share="$1"
status=0
for page in "$share"/man/man1/zentrova.1.gz "$share"/man/man1/zentrova-tool.1.gz; do
  warnings="$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
  if [ -n "$warnings" ]; then
    echo "$page:"
    echo "$warnings"
    status=1
  fi
done
exit $status
