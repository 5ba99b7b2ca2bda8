"""The texts the editor should produce for a document: form text and Ruby code."""


def form_text(windows):
    """Project file and clipboard layout: one section per window, CR LF line
    ends, an empty line after each section."""
    lines = []
    for n, w in enumerate(windows):
        lines += [f"[{n}]", f"Name={w.name}", f"X={w.left}", f"Y={w.top}",
                  f"R={w.right}", f"B={w.bottom}", ""]
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def ruby_code(windows, newline="\n"):
    """The statements that create the windows at run time, a block per window
    and an empty line after each block."""
    lines = []
    for w in windows:
        width, height = w.right - w.left, w.bottom - w.top
        v = "@" + w.name
        lines += [f"{v}  = Window.new", f"{v}.x = {w.left}", f"{v}.y = {w.top}",
                  f"{v}.width = {width}", f"{v}.height = {height}",
                  f"{v}.contents = Bitmap.new({width - 32},{height - 32})", ""]
    return "".join(line + newline for line in lines).encode("cp932")


def ini_values(blob, section):
    """Key -> value of one section of an INI text (keys compared as written)."""
    values, current = {}, None
    for raw in blob.decode("cp932").splitlines():
        line = raw.strip()
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1].strip()
        elif current == section and "=" in line:
            key, _, value = line.partition("=")
            values[key.strip()] = value.strip()
    return values
