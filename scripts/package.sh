#!/usr/bin/env bash
# Builds the Debian packages the Debian way (dpkg-buildpackage, from debian/)
# into dist/ and checks them with lintian, desktop-file-validate and
# appstreamcli. A warning of any of them fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential dpkg-dev debhelper fakeroot cmake
  qt6-base-dev qt6-multimedia-dev
  lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

version=$(dpkg-parsechangelog -S Version)
# dpkg-buildpackage writes the packages beside the source tree: build a copy
# inside dist/ so that they land there and the checkout stays clean.
rm -rf dist
src=dist/src/vornel-$version
mkdir -p "$src"
tar --exclude=./.git --exclude=./dist --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$src"

# The source package too, from the clean copy, for lintian's source checks.
(cd dist/src && dpkg-source -b "vornel-$version")
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
(cd "$src" && dpkg-buildpackage -b -us -uc)
mv dist/src/*.deb dist/src/*.changes dist/src/*.buildinfo dist/src/*.dsc dist/src/*.tar.* dist/
rm -rf dist/src
ls -l dist

desktop-file-validate packaging/org.kelbar.Vornel.desktop
appstreamcli validate --no-net --pedantic packaging/org.kelbar.Vornel.metainfo.xml
lintian -I -E --pedantic --fail-on error,warning dist/vornel_"${version}".dsc dist/vornel_"${version}"_*.changes
echo "Packages in dist/: sudo apt-get install ./dist/vornel_${version}_*.deb ./dist/vornel-data_${version}_all.deb"
