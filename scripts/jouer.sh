#!/usr/bin/env bash
# Builds Lexirama and starts it.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/dependances.sh" jeu
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DLEXIRAMA_TESTS=OFF > /dev/null
cmake --build "$racine/build" -j"$(nproc)"
exec "$racine/build/lexirama"
