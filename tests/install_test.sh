#!/bin/sh
# Installs the build into an empty prefix and runs the programs as a user
# does: from PATH and through a symbolic link, in a directory of its own.
# Usage: install_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
sentence="El perro come la carne."

cmake --install "$build" --prefix "$prefix" > /dev/null
want=$("$build/quelvo" --data "$build/data" "$sentence")

fail() { echo "install test: $*" >&2; exit 1; }
expect() {  # what, output
  [ "$2" = "$want" ] || fail "$1 gave \"$2\", not \"$want\""
}

for program in quelvo quelvo-score quelvo_lexicon_compiler; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
[ ! -e "$build/quelvo-gui" ] || [ -x "$prefix/bin/quelvo-gui" ] || fail "bin/quelvo-gui is not installed"
[ -f "$prefix/share/quelvo/SpOrd.txt" ] || fail "the dictionaries are not in share/quelvo"

mkdir "$work/elsewhere"
cd "$work/elsewhere"
expect "quelvo from PATH" "$(PATH="$prefix/bin:$PATH" quelvo "$sentence")"
ln -s "$prefix/bin/quelvo" "$work/elsewhere/q"
expect "quelvo through a symbolic link" "$(./q "$sentence")"

printf '%s\t%s\n' "$sentence" "$want" > corpus.tsv
score=$(PATH="$prefix/bin:$PATH" quelvo-score corpus.tsv) || fail "quelvo-score from PATH failed"
case $score in *"exact 100.0%"*) ;; *) fail "quelvo-score from PATH reported: $score" ;; esac
