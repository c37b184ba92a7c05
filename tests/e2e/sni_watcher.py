#!/usr/bin/env python3
"""A minimal StatusNotifierItem host on the session bus: owns
org.kde.StatusNotifierWatcher, counts itself as a registered host and prints
each item that registers, one line each, to stdout."""
import sys

from gi.repository import Gio, GLib

INTERFACE = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""
items = []


def call(connection, sender, path, interface, method, args, invocation):
    if method == "RegisterStatusNotifierItem":
        # An item names its service, or its object path on the caller's connection.
        service = args.unpack()[0]
        item = service if not service.startswith("/") else sender + service
        items.append(item)
        print("registered", item, flush=True)
        connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered", GLib.Variant("(s)", (item,)))
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return {
        "RegisteredStatusNotifierItems": GLib.Variant("as", items),
        "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
        "ProtocolVersion": GLib.Variant("i", 0),
    }[name]


def acquired(connection, name):
    print("watching", flush=True)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
bus.register_object("/StatusNotifierWatcher", node.interfaces[0], call, get, None)
Gio.bus_own_name_on_connection(bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, acquired, lambda *a: sys.exit(1))
GLib.MainLoop().run()
