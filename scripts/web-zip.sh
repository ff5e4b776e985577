#!/usr/bin/env bash
# Packs the built page with the licences and a note on uploading it into one zip file whose
# single folder can be copied to any static web host as it is.
#   scripts/web-zip.sh WEB_DIR OUT.zip
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
web=$1
zip=$(realpath -m "$2")
name=$(basename "$zip" .zip)
[ -f "$web/index.html" ] || { echo "dunspelt: $web has no index.html; run make web" >&2; exit 1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp -r "$web"/. "$stage/$name/"
cp "$root/LICENSE" "$root/LICENSE.assets" "$stage/$name/"
cp "$root/packaging/web/README.txt" "$stage/$name/README.txt"
rm -f "$zip"
(cd "$stage" && python3 -m zipfile -c "$zip" "$name")
echo "Wrote $zip ($(du -k "$zip" | cut -f1) KB)"
