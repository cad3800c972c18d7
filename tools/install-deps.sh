#!/bin/sh
# Installs the Debian packages that building, running and testing Tavilon need, if any
# are missing. Uses sudo when not run as root.
set -eu

# Building and running; fonts-liberation stands in for Arial with the same metrics.
build="cmake ninja-build g++ qt6-base-dev qt6-svg-dev fonts-liberation"
# The tests read printed PDF files back, look into exported OpenDocument Text files (a zip
# archive, opened with unzip) and validate the desktop entry, the metainfo and the sheet
# file's MIME type.
tests="poppler-utils unzip desktop-file-utils appstream libxml2-utils shared-mime-info"
# The format check of the sources (tools/check-format.sh).
checks="clang-format"
# The Debian package and its check.
packaging="dpkg-dev file lintian"
packages="$build $tests $checks $packaging"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
echo "Installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086 # the package list is meant to split into words
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
