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
