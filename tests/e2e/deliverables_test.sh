#!/usr/bin/env bash
# What a school downloads, checked as its IT administrator would:
#  - the same commit gives the same bytes: what scripts/test built (the
#    default, windows, windows-x86 and web presets) against a second build of
#    the same tree in another folder, later, under another umask, time zone and
#    user name; on a difference it names the file and shows diffoscope's summary;
#  - every SHA256SUMS beside the downloads checks with sha256sum -c;
#  - signed with a throwaway certificate, every Windows file verifies, the
#    programs lose their signature to their unsigned bytes, and the signed
#    installer installs signed programs under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
other=$work/somewhere/else/velmora
fail() { echo "FAIL: $*" >&2; exit 1; }

# Configures and builds a preset of the tree in the current folder, without tests.
build() {
    local preset=$1 which=$2 log=$other/$1-$2.log
    "${as_other_user[@]}" cmake --preset "$preset" -DVELMORA_BUILD_TESTS=OFF \
        -DVELMORA_BUILD_BENCHMARKS=OFF >"$log" 2>&1 &&
        "${as_other_user[@]}" cmake --build --preset "$preset" --parallel "$(nproc)" >>"$log" 2>&1 ||
        { tail -n 30 "$log" >&2; fail "the $which $preset build"; }
}

# The Debian package of a tree, made as CONTRIBUTING says, where cpack installs
# into its staging folder: under the caller's umask.
package() {
    local tree=$1 log=$work/cpack-$2.log
    shift 2  # then how to run it: as another user
    (cd "$tree/build/default" && "$@" cpack -B "$tree/build/default/deb" >"$log" 2>&1) ||
        { cat "$log" >&2; fail "cpack in $tree"; }
}

# The files that users get, each beside its own list of checksums.
deliverables() {
    local tree=$1 preset
    echo build/default/qt/velmora
    echo build/default/deb/velmora.deb
    for preset in windows windows-x86; do
        (cd "$tree" && find "build/$preset/win32" -maxdepth 1 -type f \( -name velmora.exe \
            -o -name 'velmora-*-setup.exe' -o -name 'velmora-*.msi' -o -name SHA256SUMS \))
    done
    (cd "$tree" && find build/web/site -type f)
}

# The tree as it stands, committed or not, and its history for the source date.
mkdir -p "$other"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents --target-directory="$other")
cp -a "$root/.git" "$other/.git"
# As another user where this runs as root (nobody, which owns the copy), and
# at least under another user name.
as_other_user=()
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    as_other_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chmod 755 "$work"
    chown -R 65534:65534 "$work/somewhere"
fi
echo "Building again in $other${as_other_user:+ as nobody}"
mkdir -p "$work/home" && chown --reference="$other" "$work/home"
(
    cd "$other"
    umask 077
    export TZ=Pacific/Kiritimati USER=velmora-rebuild LOGNAME=velmora-rebuild HOME=$work/home
    for preset in default windows windows-x86 web; do build "$preset" second; done
    package "$other" second "${as_other_user[@]}"
)
# Debian's own checks on the package made under umask 077: no error, no warning.
lintian --fail-on error,warning "$other/build/default/deb/velmora.deb" ||
    fail "lintian on the package made under umask 077"
echo "ok - the package made under umask 077 passes lintian"
package "$root" first

first=$(deliverables "$root" | sort)
second=$(deliverables "$other" | sort)
[ "$first" = "$second" ] ||
    { diff <(echo "$first") <(echo "$second") >&2 || true; fail "other files were built"; }
differ=0
while read -r file; do
    if ! cmp -s "$root/$file" "$other/$file"; then
        differ=$((differ + 1))
        echo "FAIL: $file differs between the two builds; diffoscope says:" >&2
        timeout 300 diffoscope --no-progress --text "$work/report" "$root/$file" "$other/$file" \
            >/dev/null 2>&1 || true
        head -n 40 "$work/report" >&2
    fi
done <<<"$first"
[ "$differ" = 0 ] || exit 1
echo "ok - $(wc -l <<<"$first") files, the same bytes from both builds"

for folder in build/windows/win32 build/windows-x86/win32 build/web/site; do
    (cd "$root/$folder" && sha256sum --check --quiet SHA256SUMS) || fail "$folder/SHA256SUMS does not check"
done
echo "ok - the checksums beside the Windows files and in the web folder check"

# The second tree's Windows builds again, signed with a certificate made here.
password=$(openssl rand -hex 12)
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Velmora test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
    -passout "pass:$password"
(
    cd "$other"
    export VELMORA_SIGNING_PKCS12=$work/cert.p12 VELMORA_SIGNING_PASSWORD=$password
    as_other_user=()
    for preset in windows windows-x86; do build "$preset" signed; done
)
signed=0
for folder in build/windows/win32 build/windows-x86/win32; do
    for file in "$other/$folder"/velmora.exe "$other/$folder"/velmora-*-setup.exe "$other/$folder"/*.msi; do
        osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >/dev/null 2>&1 ||
            fail "$folder/$(basename "$file") does not verify"
        signed=$((signed + 1))
    done
    (cd "$other/$folder" && sha256sum --check --quiet SHA256SUMS) || fail "signed $folder/SHA256SUMS"
    rm -f "$work/stripped.exe"
    osslsigncode remove-signature -in "$other/$folder/velmora.exe" -out "$work/stripped.exe" >/dev/null
    cmp -s "$work/stripped.exe" "$root/$folder/velmora.exe" ||
        fail "$folder/velmora.exe without its signature is not the unsigned program"
done
echo "ok - $signed Windows files signed and verified; the programs unsigned are the unsigned build's"

# The signed installer under Wine, where Wine runs it; otherwise the same
# script with the 64-bit stub, which this tree then also made.
installer=$(ls "$other"/build/windows/win32/velmora-*-setup.exe | grep -v 64-bit-stub)
why=$("$root/build/windows/wine_run.sh" --why-not "$installer") ||
    installer=$(ls "$other"/build/windows/win32/velmora-*-setup-64-bit-stub.exe)
status=0
VELMORA_SIGNED_BY=$work/cert.pem "$root/build/windows/tests/win32/installer_test.sh" \
    "$root/build/windows/wine_run.sh" "$root/build/windows/wineprefix" "$installer" \
    "$other/build/windows/win32/velmora.exe" "$root/build/windows/tests/win32/find_window.exe" ||
    status=$?
[ "$status" = 0 ] || fail "the signed $(basename "$installer") under Wine"
echo "ok - the signed $(basename "$installer") installed signed programs and removed them${why:+ (not the 32-bit one: $why)}"
