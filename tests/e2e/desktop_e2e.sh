#!/usr/bin/env bash
# The desktop entry belongs to the program's window. A desktop (GNOME Shell,
# KDE Plasma) ties a window to its entry by the entry's file name or by its
# StartupWMClass, compared with the window's WM_CLASS instance (the app_id
# under Wayland, the same name). The entry is named by the program's id, not
# "vorlen", so without a matching StartupWMClass the running program would
# show up in the dock as an unknown window beside its own launcher.
#
#   desktop_e2e.sh VORLEN DESKTOP_ENTRY
VORLEN=$1 entry=$2
source "$(dirname "$0")/e2e_lib.sh"
command -v xprop >/dev/null || fail "xprop is missing (scripts/install-deps.sh installs it)"

wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n "$wanted" ]] || fail "$entry has no StartupWMClass"
start_vorlen
# WM_CLASS(STRING) = "instance", "Class"
instance=$(xprop -id "$WINDOW" WM_CLASS | sed -n 's/^WM_CLASS([A-Z_]*) = "\([^"]*\)".*/\1/p')
[[ "$instance" == "$wanted" ]] ||
  fail "the window's WM_CLASS instance is '$instance', the entry's StartupWMClass '$wanted'"
echo "desktop: the window's WM_CLASS instance is the entry's StartupWMClass ($wanted)"
