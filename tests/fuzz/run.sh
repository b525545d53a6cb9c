#!/bin/sh
# Builds each fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for SECONDS (default 60).
# Exits non-zero as soon as a target crashes; the input that crashed it is
# left in the build folder as crash-*.
#
#   tests/fuzz/run.sh [SECONDS]
#   FUZZ_BUILD_DIR=build-words/fuzz tests/fuzz/run.sh 30
set -eu

secondes=${1:-60}
racine=$(cd "$(dirname "$0")/../.." && pwd)
sortie=${FUZZ_BUILD_DIR:-$racine/build-fuzz}
case $sortie in /*) ;; *) sortie=$racine/$sortie ;; esac
mkdir -p "$sortie"

# fuzz TARGET SOURCES...: TARGET.cpp of this folder with the sources it tests.
fuzz() {
    cible=$1
    shift
    echo "== $cible"
    (cd "$racine" && clang++ -std=c++20 -g -O1 -I"$racine" \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        "tests/fuzz/$cible.cpp" "$@" -o "$sortie/$cible")
    corpus=$sortie/$cible.corpus
    mkdir -p "$corpus"
    graines=$racine/tests/fuzz/seeds/$cible
    [ -d "$graines" ] || graines=
    (cd "$sortie" && "./$cible" -max_total_time="$secondes" -timeout=10 -print_final_stats=1 "$corpus" $graines)
}

fuzz field_reader_fuzz core/word_file.cpp core/word_file_reader.cpp platform/text.cpp
fuzz player_file_fuzz shell/profil_joueur.cpp core/word_file.cpp platform/text.cpp
