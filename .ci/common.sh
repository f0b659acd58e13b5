# shellcheck shell=bash
# What the CI scripts and scripts/dist share; sourced from the clone's top folder, never run.

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# The supported Debian releases (.ci/releases), oldest first, and the one this machine runs.
supported_releases() { sed -n 's/^\([a-z]*\) [0-9]*$/\1/p' .ci/releases; }
this_release() { (. /etc/os-release && echo "${VERSION_CODENAME:-unknown}"); }

# git, also as root in a clone that another user owns, where git would stop for "dubious
# ownership": the clone is trusted for this one command, and nobody's configuration changes.
git() {
  command git -c safe.directory="$PWD" "$@"
}

# Clones this clone into DEST, also when another user owns it. A local clone is served by an
# upload-pack that sees none of the caller's configuration, so it is told itself.
clone_into() {
  git clone -q --no-local --upload-pack="git -c safe.directory=$(printf %q "$PWD/.git") upload-pack" \
    "$PWD" "$1"
}

# apt's waits: at most 30 s for a byte, and one retry. As apt waits so for each file, .ci/root
# also bounds its whole check of a root's suites (90 s).
# shellcheck disable=SC2034 # used by the scripts that source this file
apt_patience=(-o Acquire::http::Timeout=30 -o Acquire::Retries=1)

# The Debian archive and security archive that roots are made from, and the proxy that reaches
# them: this machine's apt's, or RIVER_CI_MIRROR (URL and URL-security), and http_proxy.
ci_mirrors() {
  local targets mirror=${RIVER_CI_MIRROR:-} security='' proxy=${http_proxy:-}
  # apt's own $(...) fields, not the shell's.
  # shellcheck disable=SC2016
  targets=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Identifier: Packages')
  if [ -z "$mirror" ]; then
    mirror=$(awk '$1 !~ /-/ { print $2; exit }' <<<"$targets")
    security=$(awk '$1 ~ /-security$/ { print $2; exit }' <<<"$targets")
  fi
  mirror=${mirror:-http://deb.debian.org/debian}
  security=${security:-${mirror%/}-security}
  [ -n "$proxy" ] || eval "$(apt-config shell proxy Acquire::http::Proxy)"
  echo "${mirror%/} ${security%/} $proxy"
}
