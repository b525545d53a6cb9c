#!/usr/bin/env bash
# Installs the Debian packages that are missing, for building and playing
# ("jeu"), and also for the tests ("tests") or for the browser version
# ("web"). Needs root (or sudo) only when something is missing.
set -euo pipefail

jeu=(build-essential cmake pkg-config
     libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
     libfontconfig-dev fonts-sil-andika fonts-dejavu-core
     librsvg2-dev libcairo2-dev espeak-ng libsndfile1-dev libsamplerate0-dev libebur128-dev
     libhunspell-dev hunspell-fr-comprehensive)
tests=(googletest libgtest-dev libbenchmark-dev
       xvfb xauth openbox xdotool x11-utils imagemagick
       clang libclang-rt-14-dev chromium)
web=(vorbis-tools)

voulus=("${jeu[@]}")
[ "${1:-jeu}" = tests ] && voulus+=("${tests[@]}")
[ "${1:-jeu}" = web ] && voulus+=("${web[@]}")

manquants=()
for paquet in "${voulus[@]}"; do
  dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" || manquants+=("$paquet")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation de : ${manquants[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
