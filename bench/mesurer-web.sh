#!/usr/bin/env bash
# Builds the browser version and measures it in headless Chromium: start,
# idle CPU and download (bench/web/mesurer.mjs). The load of the machine is
# printed before and after: other work makes every figure late.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
LEXIRAMA_WEB_SERVIR=0 scripts/web.sh > /dev/null
(cd tests/web && npm ci --no-audit --no-fund --silent)
echo "== charge de la machine avant : $(uptime)"
node bench/web/mesurer.mjs build-web build
echo "== charge de la machine après : $(uptime)"
