#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A minimal StatusNotifierItem host on the session bus: owns
org.kde.StatusNotifierWatcher, says a host is registered, and prints a line
for each item that registers. With --no-host the watcher starts without a
host, until one calls RegisterStatusNotifierHost."""
import sys

from gi.repository import Gio, GLib

INTERFACE = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""

host = "--no-host" not in sys.argv[1:]


def call(connection, sender, path, interface, method, args, invocation):
    global host
    if method == "RegisterStatusNotifierHost":
        host = True
        connection.emit_signal(None, path, interface, "StatusNotifierHostRegistered", None)
    else:
        print("registered", args.unpack()[0], flush=True)
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return GLib.Variant("b", host)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
bus.register_object("/StatusNotifierWatcher", node.interfaces[0], call, get, None)
Gio.bus_own_name_on_connection(
    bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, None, lambda *_: sys.exit(1)
)
GLib.MainLoop().run()
