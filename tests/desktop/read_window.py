"""What a screen reader reads of Morvi: the number of lines, the first cell of each line and, while
the question is open, its はい; places from the top left of the window that holds them."""
import pyatspi

found = {}


def walk(node, window=None):
    role, name = node.getRoleName(), node.name
    try:
        extents = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    except NotImplementedError:
        extents = None
    if role in ('frame', 'alert'):
        window = extents
    place = lambda: f'{extents.x - window.x} {extents.y - window.y} {extents.width} {extents.height}'
    if role == 'label' and name.startswith('合計 品目'):
        found['lines'] = name.split()[-1] if name.split()[-1].isdigit() else '0'
    elif role == 'table cell' and name.startswith('品名 ') and extents.x - window.x < 20:
        print('line', place())
    elif role == 'push button' and name.startswith('はい'):
        found['yes'] = place()
    for child in node:
        walk(child, window)


for app in pyatspi.Registry.getDesktop(0):
    if app and app.name == 'morvi':
        walk(app)
print('lines', found.get('lines', 'none'))
print('yes', found.get('yes', 'none'))
