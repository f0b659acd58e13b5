# shellcheck shell=bash
# What the CI scripts and scripts/dist share; sourced from the clone's top folder, never run.

fail() { echo "FAILED: $*" >&2 && exit 1; }
# quiet LOG COMMAND...: runs COMMAND, its output kept in the file LOG and shown only if it fails.
quiet() { "${@:2}" >"$1" 2>&1 || { cat "$1" && fail "${*:2}"; }; }

# The supported Debian releases (.ci/releases), oldest first, and the one this machine runs.
supported_releases() { sed -n 's/^\([a-z]*\) [0-9]*$/\1/p' .ci/releases; }
this_release() { (. /etc/os-release && echo "${VERSION_CODENAME:-unknown}"); }

# apt's waits: at most 30 s for a byte, and one retry (for each file: .ci/root bounds the whole).
# shellcheck disable=SC2034 # used by the scripts that source this file
apt_patience=(-o Acquire::http::Timeout=30 -o Acquire::Retries=1)

# The Debian archive and security archive that roots are made from, RIVER_CI_MIRROR (URL and
# URL-security) or deb.debian.org's, and the proxy that reaches them: http_proxy, or apt's.
ci_mirrors() {
  local mirror=${RIVER_CI_MIRROR:-http://deb.debian.org/debian} proxy=${http_proxy:-}
  [ -n "$proxy" ] || eval "$(apt-config shell proxy Acquire::http::Proxy)"
  echo "${mirror%/} ${mirror%/}-security $proxy"
}
