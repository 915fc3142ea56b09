"""Finding a top-level X window by its title, for the smoke and stress scripts."""
import sys

from Xlib import display


def find_window(window, title):
    """The first window at or below `window` whose name is `title`, or None."""
    if window.get_wm_name() == title:
        return window
    for child in window.query_tree().children:
        found = find_window(child, title)
        if found:
            return found
    return None


def open_window(title):
    """(display, window) for the window named `title`, or (display, None) after saying so."""
    d = display.Display()
    window = find_window(d.screen().root, title)
    if window is None:
        print(f"no window named {title}", file=sys.stderr)
    return d, window
