#!/usr/bin/python3
"""What display_test.sh asks of the X server about a window, by its id:

    x_window.py pixel WINDOW X Y                      prints the pixel's colour, rrggbb
    x_window.py watch WINDOW X Y W H CHANGES SECONDS  waits until the area has changed
                                                      that often; fails at the deadline
    x_window.py delete WINDOW                         asks it to close, as a desktop does
"""
import sys
import time

from Xlib import X, display, protocol

server = display.Display()
command, window = sys.argv[1], server.create_resource_object("window", int(sys.argv[2]))


def area(x, y, width, height):
    return window.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data


if command == "pixel":
    blue, green, red = area(int(sys.argv[3]), int(sys.argv[4]), 1, 1)[:3]
    print(f"{red:02x}{green:02x}{blue:02x}")
elif command == "watch":
    x, y, width, height, wanted = (int(a) for a in sys.argv[3:8])
    deadline = time.monotonic() + float(sys.argv[8])
    shown, changes = area(x, y, width, height), 0
    while changes < wanted:
        if time.monotonic() > deadline:
            sys.exit(f"the area changed {changes} times, not {wanted}")
        time.sleep(0.01)
        now = area(x, y, width, height)
        changes += now != shown
        shown = now
elif command == "delete":
    refused = []
    server.set_error_handler(lambda error, request: refused.append(error))
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=server.intern_atom("WM_PROTOCOLS"),
        data=(32, [server.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])),
        event_mask=X.NoEventMask)
    # A round trip: once it is back, the server has delivered the message, or
    # reported why it could not (a window gone), which fails the command.
    server.sync()
    if refused:
        sys.exit(f"the server refused the delete-window message: {refused[0]}")
else:
    sys.exit(f"no command {command}")
