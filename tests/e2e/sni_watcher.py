#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A minimal StatusNotifierItem host on the session bus: owns
org.kde.StatusNotifierWatcher, says a host is registered, and prints a line
for each item that registers."""
import sys

from gi.repository import Gio, GLib

INTERFACE = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
</interface></node>"""


def call(connection, sender, path, interface, method, args, invocation):
    print("registered", args.unpack()[0], flush=True)
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return GLib.Variant("b", True)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
bus.register_object("/StatusNotifierWatcher", node.interfaces[0], call, get, None)
Gio.bus_own_name_on_connection(
    bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, None, lambda *_: sys.exit(1)
)
GLib.MainLoop().run()
