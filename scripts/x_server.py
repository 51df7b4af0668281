"""A private Xvfb server for the scripts that show the window."""
import os
import subprocess


def start_xvfb(env=None):
    """Starts Xvfb on a display it picks itself, and returns the server and an environment in
    which Qt shows its windows there."""
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL)
    display = ":" + server.stdout.readline().decode().strip()  # said once it is ready
    return server, dict(env or os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
