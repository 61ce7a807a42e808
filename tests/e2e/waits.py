"""Bounded waits: every wait of the suite polls for a state with a deadline
and fails with what it expected when the deadline passes."""

import time


class WaitTimeout(AssertionError):
    pass


def wait_until(what, probe, timeout, interval=0.05):
    """Polls `probe` until it gives a true value, which is returned. Past
    `timeout` seconds fails naming `what` and the last thing the probe
    raised, if any."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except (OSError, ValueError, KeyError) as error:  # a file caught mid-write
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise WaitTimeout(f"waited {timeout:g} s for {what}{detail}")
        time.sleep(interval)
