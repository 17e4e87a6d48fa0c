#!/usr/bin/python3
"""Reads the window over the accessibility bus (AT-SPI) as a screen reader does,
and lists every focusable element shown that has no name.

Usage: scripts/read-accessibility.py [--verbose] PROGRAM [PROGRAM-ARGUMENTS...]
  e.g. scripts/read-accessibility.py build/apps/aisset/aisset --full

The program runs on a desktop of its own (Xvfb on a free display, openbox) in a
D-Bus session of its own, with Qt's AT-SPI bridge switched on. The script reads
every page (Ctrl+Tab), the debug window of the installer's edition (Ctrl+2) and
the records dialog (Ctrl+O), typing the keys with xdotool as a user would.

Exit status: 0 every focusable element has a name, 1 some have none or the
window could not be read, 77 a package it needs is missing (gir1.2-atspi-2.0,
python3-gi, at-spi2-core, dbus, xvfb, openbox, xdotool).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TOOLS = ["dbus-run-session", "Xvfb", "openbox", "xdotool"]


def missing_packages():
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        missing.append("at-spi2-core")
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append("gir1.2-atspi-2.0 / python3-gi")
    return missing


def wait_for(check, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError(what + " did not come within %d s" % seconds)


class Desktop:
    """Xvfb on a free display with openbox, ended when the script ends."""

    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as number:
            self.display = ":" + number.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.xdotool("get_desktop") is not None, 30, "openbox")

    def xdotool(self, *arguments):
        done = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True, text=True)
        return done.stdout.strip() if done.returncode == 0 else None

    def key(self, keys):
        self.xdotool("key", keys)
        time.sleep(0.5)  # the window treats the key and the bus hears of it

    def close(self):
        for process in (self.manager, self.server):
            process.terminate()
            process.wait(5)


def application(Atspi, name):
    """The running application of that name, once the registry lists it."""
    try:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name and app.get_child_count() > 0:
                return app
    except Exception:  # the registry is still starting (a busy machine): asked again
        pass
    return None


def registry_answers(Atspi):
    try:
        return Atspi.get_desktop(0).get_child_count() >= 0
    except Exception:
        return False


def unnamed_focusable(Atspi, node, path, found, verbose):
    """Appends each shown, focusable element below node whose name is empty."""
    try:
        states = node.get_state_set()
        if not states.contains(Atspi.StateType.SHOWING):
            return 0
        count = 0
        if states.contains(Atspi.StateType.FOCUSABLE):
            count = 1
            name = node.get_name() or ""
            if verbose:
                print("  %-14s %s" % (node.get_role_name(), name))
            if not name.strip():
                found.append("%s (%s)" % (path, node.get_role_name()))
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                count += unnamed_focusable(Atspi, child, path + "/" + str(i), found, verbose)
        return count
    except Exception as error:  # an element that went away while it was read
        found.append("%s: %s" % (path, error))
        return 0


def selected_tab(Atspi, node):
    """The current page: the tab strip reads as the caption of its current tab."""
    node.clear_cache()
    if node.get_role() == Atspi.Role.PAGE_TAB_LIST:
        return node.get_name()
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = selected_tab(Atspi, child) if child is not None else None
        if found:
            return found
    return None


def named_and_shown(Atspi, node, name):
    """Whether an element of that name is shown below node."""
    states = node.get_state_set()
    if node.get_name() == name and states.contains(Atspi.StateType.SHOWING):
        return True
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None and named_and_shown(Atspi, child, name):
            return True
    return False


def read_windows(Atspi, app, what, verbose):
    app.clear_cache()
    found = []
    count = sum(unnamed_focusable(Atspi, app.get_child_at_index(i), what, found, verbose)
                for i in range(app.get_child_count()))
    print("%s: %d focusable elements shown, %d without a name" % (what, count, len(found)))
    for element in found:
        print("  no name: " + element)
    return count, found


# What the reading waits for, in the window's two languages (--lang en).
CHINESE_WORDS = {"title": "参数设置", "console": "发出的指令集", "records": "读取以往录入数据"}
ENGLISH_WORDS = {"title": "parameter settings", "console": "Sent sentences", "records": "Earlier ships"}


def main():
    arguments = sys.argv[1:]
    verbose = "--verbose" in arguments
    arguments = [a for a in arguments if a != "--verbose"]
    if not arguments:
        print(__doc__, file=sys.stderr)
        return 2
    missing = missing_packages()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIP
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or os.environ.get("AISSET_A11Y_SESSION") != "1":
        # A session bus of its own, so that the accessibility bus is this run's.
        env = dict(os.environ, AISSET_A11Y_SESSION="1")
        return subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode

    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    # A loaded machine answers slowly; the registry starts on the first question.
    Atspi.set_timeout(30000, 60000)
    desktop = Desktop()
    home = tempfile.TemporaryDirectory()
    window = None
    try:
        env = dict(desktop.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   XDG_DATA_HOME=home.name + "/data", XDG_CONFIG_HOME=home.name + "/config", HOME=home.name)
        wait_for(lambda: registry_answers(Atspi), 60, "the accessibility registry")
        window = subprocess.Popen(arguments, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        name = os.path.basename(arguments[0])
        app = wait_for(lambda: application(Atspi, name), 60, "the window on the accessibility bus")
        app.set_cache_mask(Atspi.Cache.NONE)
        english = "--lang" in arguments and arguments[arguments.index("--lang") + 1:][:1] == ["en"]
        words = ENGLISH_WORDS if english else CHINESE_WORDS
        wait_for(lambda: desktop.xdotool("search", "--onlyvisible", "--name", words["title"]), 60, "the window")
        time.sleep(1)  # the start procedure puts the focus in the first field
        full = "--full" in arguments
        pages = 5 if full else 4
        total, unnamed = 0, []

        def read(what):
            nonlocal total, unnamed
            count, found = read_windows(Atspi, app, what, verbose)
            total, unnamed = total + count, unnamed + found

        def shows(name):
            app.clear_cache()
            return named_and_shown(Atspi, app, name)

        seen = []
        for page in range(1, pages + 1):
            if page > 1:
                desktop.key("ctrl+Tab")
                wait_for(lambda: selected_tab(Atspi, app) not in seen, 10, "the page after Ctrl+Tab")
            tab = selected_tab(Atspi, app)
            seen.append(tab)
            read("page %d %s" % (page, tab))
        desktop.key("ctrl+Tab")  # round to the first page
        if full:
            desktop.key("ctrl+2")
            wait_for(lambda: shows(words["console"]), 10, "the debug window after Ctrl+2")
            read("debug window")
            desktop.key("ctrl+1")
        desktop.key("ctrl+o")
        wait_for(lambda: shows(words["records"]), 10, "the records dialog after Ctrl+O")
        read("records dialog")
        desktop.key("Escape")
        print("%s: %d focusable elements read, %d without a name" % (" ".join([name] + arguments[1:]), total,
                                                                     len(unnamed)))
        return 0 if total > 0 and not unnamed else 1
    except RuntimeError as error:
        print(error)
        return 1
    finally:
        if window:
            window.terminate()
            window.wait(10)
        desktop.close()
        home.cleanup()


if __name__ == "__main__":
    sys.exit(main())
