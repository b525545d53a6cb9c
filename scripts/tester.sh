#!/usr/bin/env bash
# Builds everything and runs every test: unit and bench tests, the word
# files against the French dictionary, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, the fuzzers for a few seconds, and the
# end-to-end tests of the real program in a window under Xvfb, built and
# installed from its Debian package, and the browser version played in
# headless Chromium.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
scripts/dependances.sh tests
jobs="$(nproc)"

echo "== construction et tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXIRAMA_TESTS=ON > /dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests sous AddressSanitizer et UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLEXIRAMA_SANITIZE=ON -DLEXIRAMA_TESTS=ON \
  -DLEXIRAMA_ASSETS=OFF -DLEXIRAMA_TEST_ASSETS_DIR="$racine/build" > /dev/null
cmake --build build-asan -j"$jobs" --target lexirama_tests
# One shard of the tests per core: instrumented, they run several times slower.
shards=()
for ((i = 0; i < jobs; i++)); do
  GTEST_TOTAL_SHARDS="$jobs" GTEST_SHARD_INDEX="$i" ASAN_OPTIONS=detect_leaks=0 \
    build-asan/tests/lexirama_tests --gtest_brief=1 &
  shards+=($!)
done
for shard in "${shards[@]}"; do wait "$shard"; done

echo "== fuzzers"
tests/fuzz/run.sh 10

echo "== de bout en bout"
tests/e2e/run.sh build
if [ "$(id -u)" -eq 0 ]; then
  echo "== de bout en bout, paquet Debian installé"
  tests/e2e/paquet.sh build
else
  echo "== paquet Debian : sauté (il faut être root pour l'installer)"
fi
echo "== dans le navigateur"
LEXIRAMA_WEB_SERVIR=0 scripts/web.sh
(cd tests/web && npm ci --no-audit --no-fund --silent)
node tests/web/verifier.mjs build-web build
echo "== tout est bon"
