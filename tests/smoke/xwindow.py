"""Finding a top-level X window by its title, for the smoke and stress scripts."""


def find_window(window, title):
    """The first window at or below `window` whose name is `title`, or None."""
    if window.get_wm_name() == title:
        return window
    for child in window.query_tree().children:
        found = find_window(child, title)
        if found:
            return found
    return None
