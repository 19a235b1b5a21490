#!/bin/bash
# usage: check.sh <source root>
# Fails when a lower layer includes a higher one, printing file:line and the rule it breaks.
# Layers, lowest first: the bridge (providers/src/gobj), the contracts (providers/src/contracts,
# rezezadovu/src/contracts), the drivers (providers/src/supports/<product>); libproviders sits
# below libzevavadarudod, whose only way into a driver's internals is its dialect folder.
# Inside libzevavadarudod the helpers and the model are peers (neither includes the other),
# and the transform layer asks the dialects through the base statement's hooks, never
# through a dialect's own headers.
set -euo pipefail
root=${1:?usage: check.sh <source root>}
cd "$root"

roots=()
for d in providers/src providers/include rezezadovu/src rezezadovu/include; do
  [ -d "$d" ] && roots+=("$d")
done

find "${roots[@]}" -type f \( -name '*.hpp' -o -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 |
  sort -z | xargs -0 -r grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' |
  awk '
  BEGIN {
    # <folder of including files> | <forbidden include prefix> | <what the rule says>
    # A folder matches its whole subtree.
    n = split("" \
      "providers/src/gobj|providers/contracts/|the bridge includes the contracts\n" \
      "providers/src/gobj|providers/supports/|the bridge includes a driver\n" \
      "providers/src/contracts|providers/supports/|the contracts include a driver\n" \
      "rezezadovu/src/contracts|providers/supports/|the contracts include a driver\n" \
      "rezezadovu/src/contracts|rezezadovu/supports/|the contracts include a driver\n" \
      "rezezadovu/src/contracts|rezezadovu/foundation/|the contracts include the foundation\n" \
      "rezezadovu/src/contracts|rezezadovu/helpers/|the contracts include the helpers\n" \
      "rezezadovu/src/contracts|rezezadovu/model/|the contracts include the model\n" \
      "rezezadovu/src/contracts|rezezadovu/transform/|the contracts include the transform layer\n" \
      "providers/src|rezezadovu/|libproviders includes libzevavadarudod\n" \
      "providers/src|tarvelin/rezezadovu/|libproviders includes libzevavadarudod\n" \
      "providers/include|rezezadovu/|libproviders includes libzevavadarudod\n" \
      "providers/include|tarvelin/rezezadovu/|libproviders includes libzevavadarudod\n" \
      "rezezadovu/src/helpers|rezezadovu/model/|the helpers include the model\n" \
      "rezezadovu/src/model|rezezadovu/helpers/|the model includes the helpers\n" \
      "rezezadovu/src|providers/supports/|the core library includes a driver'"'"'s internals", rules, "\n")
    # The dialect folders: only they reach into their product'"'"'s driver, and the transform
    # layer includes none of them.
    split("sqlite mysql mysql_family mariadb postgresql sqlserver", dialects, " ")
    for (d in dialects)
      rules[++n] = "rezezadovu/src/transform|rezezadovu/supports/database/" dialects[d] "/|the transform layer includes a dialect"
    failures = 0
  }
  function starts(s, p) { return substr(s, 1, length(p)) == p }
  {
    # grep -H -n: <file>:<line>:<text>
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    line = rest; sub(/:.*/, "", line)
    target = substr(rest, length(line) + 2)
    sub(/^[^"<]*["<]/, "", target); sub(/[">].*/, "", target)
    if (target ~ /(^|\/)\.\.\//) {
      printf "%s:%s: includes \"%s\": a relative path out of its folder\n", file, line, target
      failures++
      next
    }
    for (i = 1; i <= n; i++) {
      split(rules[i], r, "|")
      if (!starts(file, r[1] "/") || !starts(target, r[2])) continue
      if (r[2] == "providers/supports/") {
        allowed = 0
        for (d in dialects)
          if (starts(file, "rezezadovu/src/supports/database/" dialects[d] "/")) allowed = 1
        if (allowed) continue
      }
      printf "%s:%s: includes \"%s\": %s\n", file, line, target, r[3]
      failures++
    }
  }
  END {
    if (failures) { printf "%d include(s) cross the layers\n", failures; exit 1 }
    print "no include crosses the layers"
  }'
