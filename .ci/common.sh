# What the CI scripts and scripts/dist share; sourced from the clone's top folder, never run.

# Under CI when CI holds anything but nothing, false or 0: CI services set true, 1 or yes.
on_ci() {
  case ${CI:-} in
    '' | false | 0) return 1 ;;
    *) return 0 ;;
  esac
}

# Whether a step that needs root privileges can run. Without them it fails the run under CI, and
# is skipped with a message otherwise.
can_run_as_root() {
  ((EUID != 0)) || return 0
  if on_ci; then
    echo "FAILED: $1 needs root privileges" >&2
    exit 1
  fi
  echo "SKIPPED: $1 needs root privileges"
  return 1
}

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
