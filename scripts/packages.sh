# Installs the Debian packages the program and its tests need, when any is missing.
# Sourced by run.sh and test.sh.
KENSA_PACKAGES="cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n fonts-ipafont fonts-noto-cjk poppler-utils xvfb sqlite3"

kensa_install_packages() {
    local missing=()
    for p in $KENSA_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq </dev/null
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}
