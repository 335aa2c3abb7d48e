#!/usr/bin/env bash
# Checks the layering: each folder includes only its own headers and those of the layers below
# it, and the plain C++ layers include no Qt header. Prints every offending line; exits 1 on any.
set -uo pipefail
cd "$(dirname "$0")/.."

# folder: the project folders its files may include from (besides itself).
declare -A allowed=(
  [platform]="platform"
  [textstore]="platform textstore"
  [fountain]="platform textstore fountain"
  [rows]="platform textstore fountain rows"
  [editor]="platform textstore fountain rows editor"
  [options]="platform textstore fountain rows editor app options"
)
# Folders that may include Qt (besides platform/qt/).
qt_allowed=" options "
status=0
for folder in "${!allowed[@]}"; do
  files=$(find "$folder" -name '*.h' -o -name '*.cpp' | grep -v "^platform/qt/")
  [ -n "$files" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}; rest=${hit#*:}; line=${rest%%:*}; include=${rest#*:}
    if [[ $qt_allowed != *" $folder "* && $include =~ \#include[[:space:]]*\<(Q|qt) ]]; then
      echo "$file:$line: Qt header in a plain C++ layer: $include"; status=1; continue
    fi
    if [[ $include =~ \#include[[:space:]]*\"([a-z_]+)/ ]]; then
      top=${BASH_REMATCH[1]}
      [[ $file == platform/* && $include == *'"platform/qt/'* ]] && { echo "$file:$line: platform/qt included below it: $include"; status=1; continue; }
      if [[ " ${allowed[$folder]} " != *" $top "* ]]; then
        echo "$file:$line: $folder may not include $top/: $include"; status=1
      fi
    fi
  done < <(grep -Hn '^[[:space:]]*#[[:space:]]*include' $files)
done
[ $status -eq 0 ] && echo "layering: ok"
exit $status
