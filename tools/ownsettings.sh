# Sourced by the scripts that run tests, benchmarks and soaks: HOME and XDG_CONFIG_HOME
# point into a folder of the run's own, removed when the script exits, so that no run
# reads or writes the user's settings.
own_settings_home="$(mktemp -d "${TMPDIR:-/tmp}/quillon-home.XXXXXX")" || exit 1
trap 'rm -rf "$own_settings_home"' EXIT
export HOME="$own_settings_home" XDG_CONFIG_HOME="$own_settings_home/.config"
