"""Waiting on conditions with a deadline instead of fixed sleeps."""

import time

POLL_SECONDS = 0.02


class WaitTimeout(AssertionError):
    """A condition did not come true before its deadline."""


def wait_until(condition, timeout, what, explain=None):
    """Polls condition() until it returns a true value and returns that value.

    Once `timeout` seconds have passed it raises WaitTimeout naming `what`,
    followed by explain() when given (the last thing seen, for the report).
    """
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            message = f"timed out after {timeout:.1f} s waiting for {what}"
            if explain is not None:
                message += f": {explain()}"
            raise WaitTimeout(message)
        time.sleep(POLL_SECONDS)
