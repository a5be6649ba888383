"""A window that offers one file for dragging, as a file manager would.

usage: drag_source.py FILE
"""
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gio, Gtk  # noqa: E402


def main(path):
    window = Gtk.Window(title="drag source")
    window.move(0, 0)
    button = Gtk.Button(label="ncc.html")
    button.set_size_request(120, 60)
    button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
    button.drag_source_add_uri_targets()
    uri = Gio.File.new_for_path(path).get_uri()
    button.connect("drag-data-get", lambda _w, _c, data, _i, _t: data.set_uris([uri]))
    window.add(button)
    window.connect("destroy", Gtk.main_quit)
    window.show_all()
    Gtk.main()


if __name__ == "__main__":
    main(sys.argv[1])
