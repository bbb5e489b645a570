"""The installer's dialogs, for a user who double-clicks the MSI: a welcome with the licence to
accept, and a last page that says what happened (installed, removed, interrupted or failed);
opened again once installed, it offers to remove the program. wixl builds no user interface, so
make_msi.py imports these tables into the package with msibuild; a silent install (/qn) never
shows them.

Sizes are the installer's dialog units, in its usual 370 x 270 dialog; texts are in Italian, in
the package's code page (1252).
"""
import os

WIDTH, HEIGHT = 370, 270
BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT = 243, 66, 17

# Control attributes: visible, enabled, sunken; dialog attributes: visible, modal.
VISIBLE, ENABLED, SUNKEN = 1, 2, 4
MODAL_DIALOG = 1 | 2


def rtf(text):
    """Plain text as the rich text a ScrollableText control shows: paragraphs parted by blank
    lines, their lines joined for the control to wrap."""
    escaped = text.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}")
    paragraphs = "\\par\\par ".join(" ".join(p.split()) for p in escaped.split("\n\n"))
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}\\f0\\fs16 %s}" % (
        paragraphs)


class Tables:
    """The rows of the user-interface tables, added dialog by dialog."""

    def __init__(self):
        self.dialogs, self.controls, self.events, self.conditions = [], [], [], []

    def dialog(self, name, title, first, default, cancel, controls):
        """A modal dialog; controls are (name, type, x, y, width, height, attributes,
        property, text), taken by Tab in the order given."""
        self.dialogs.append((name, 50, 50, WIDTH, HEIGHT, MODAL_DIALOG, title, first, default,
                             cancel))
        focusable = [c[0] for c in controls if c[1] in ("PushButton", "CheckBox",
                                                         "ScrollableText")]
        for control in controls:
            following = ""
            if control[0] in focusable and len(focusable) > 1:
                following = focusable[(focusable.index(control[0]) + 1) % len(focusable)]
            self.controls.append((name,) + tuple(control) + (following, ""))

    def event(self, dialog, control, event, argument, condition="1", order=1):
        self.events.append((dialog, control, event, argument, condition, order))

    def condition(self, dialog, control, action, condition):
        self.conditions.append((dialog, control, action, condition))


def heading(name, text):
    return (name, "Text", 20, 15, 330, 20, VISIBLE | ENABLED, "", "{\\TitleFont}" + text)


def body(name, y, height, text):
    return (name, "Text", 20, y, 330, height, VISIBLE | ENABLED, "", text)


def button(name, slot, text):
    """A button in the row at the foot, slot 0 the rightmost."""
    x = WIDTH - 16 - (slot + 1) * BUTTON_WIDTH - slot * 8
    return (name, "PushButton", x, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT, VISIBLE | ENABLED, "",
            text)


RULE = ("Rule", "Line", 0, 234, WIDTH, 0, VISIBLE, "", "")


def last_page(tables, name, title, controls):
    """A page with one button, Fine, that ends the installer."""
    tables.dialog(name, title, "Finish", "Finish", "Finish",
                  controls + [RULE, button("Finish", 0, "&Fine")])


def build(licence):
    tables = Tables()
    tables.dialog("WelcomeDlg", "Installazione di [ProductName]", "Accept", "Install", "Cancel", [
        heading("Title", "Installazione di [ProductName]"),
        body("Description", 40, 30,
             "[ProductName] sar\u00e0 installato per tutti gli utenti in [INSTALLDIR]. Leggere "
             "la licenza e accettarla, poi fare clic su Installa."),
        ("Licence", "ScrollableText", 20, 75, 330, 125, VISIBLE | ENABLED | SUNKEN, "",
         rtf(licence)),
        ("Accept", "CheckBox", 20, 207, 330, 15, VISIBLE | ENABLED, "LicenceAccepted",
         "&Accetto i termini della licenza"),
        RULE,
        button("Install", 1, "&Installa"),
        button("Cancel", 0, "Annulla"),
    ])
    tables.condition("WelcomeDlg", "Install", "Disable", 'LicenceAccepted <> "1"')
    tables.condition("WelcomeDlg", "Install", "Enable", 'LicenceAccepted = "1"')
    tables.event("WelcomeDlg", "Install", "EndDialog", "Return", 'LicenceAccepted = "1"')
    tables.event("WelcomeDlg", "Cancel", "EndDialog", "Exit")

    tables.dialog("MaintenanceDlg", "Rimozione di [ProductName]", "Remove", "Remove", "Cancel", [
        heading("Title", "[ProductName] \u00e8 installato"),
        body("Description", 40, 40,
             "[ProductName] \u00e8 installato in [INSTALLDIR]. Fare clic su Rimuovi per "
             "toglierlo dal computer, su Annulla per lasciarlo com'\u00e8."),
        RULE,
        button("Remove", 1, "&Rimuovi"),
        button("Cancel", 0, "Annulla"),
    ])
    tables.event("MaintenanceDlg", "Remove", "Remove", "ALL", order=1)
    tables.event("MaintenanceDlg", "Remove", "EndDialog", "Return", order=2)
    tables.event("MaintenanceDlg", "Cancel", "EndDialog", "Exit")

    last_page(tables, "ExitDlg", "[ProductName] - Completato", [
        heading("Installed", "[ProductName] \u00e8 installato"),
        body("InstalledText", 40, 40,
             "Si apre dal menu Start. Alla riga di comando, tempidex --help dice come "
             "convertire le date; il manuale \u00e8 Manuale.txt, nella cartella del "
             "programma."),
        heading("Removed", "[ProductName] \u00e8 stato rimosso"),
    ])
    for control, shown in (("Installed", False), ("InstalledText", False), ("Removed", True)):
        tables.condition("ExitDlg", control, "Show" if shown else "Hide", 'REMOVE = "ALL"')
        tables.condition("ExitDlg", control, "Hide" if shown else "Show", 'REMOVE <> "ALL"')
    tables.event("ExitDlg", "Finish", "EndDialog", "Return")

    last_page(tables, "UserExitDlg", "[ProductName] - Interrotto", [
        heading("Title", "Installazione interrotta"),
        body("Description", 40, 30, "Nulla \u00e8 stato cambiato nel computer."),
    ])
    tables.event("UserExitDlg", "Finish", "EndDialog", "Exit")

    last_page(tables, "FatalErrorDlg", "[ProductName] - Errore", [
        heading("Title", "Installazione non riuscita"),
        body("Description", 40, 30,
             "[ProductName] non \u00e8 stato installato, e nulla \u00e8 stato cambiato nel "
             "computer."),
    ])
    tables.event("FatalErrorDlg", "Finish", "EndDialog", "Exit")
    return tables


def idt(path, columns, types, keys, rows):
    """One table as the installer's archive format, tab-separated; msibuild reads it as UTF-8
    and stores it in the package's code page."""
    lines = ["\t".join(columns), "\t".join(types), "\t".join([os.path.basename(path)[:-4]] + keys)]
    for row in rows:
        fields = [str(value) for value in row]
        assert not any(c in f for f in fields for c in "\t\r\n"), row
        lines.append("\t".join(fields))
    with open(path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    return path


def write(folder, licence):
    """The tables' archive files in folder, and the queries that show the dialogs; the
    licence is the text shown to accept."""
    tables = build(licence)
    files = [
        idt(os.path.join(folder, "Dialog.idt"),
            ["Dialog", "HCentering", "VCentering", "Width", "Height", "Attributes", "Title",
             "Control_First", "Control_Default", "Control_Cancel"],
            ["s72", "i2", "i2", "i2", "i2", "I4", "L128", "s50", "S50", "S50"], ["Dialog"],
            tables.dialogs),
        idt(os.path.join(folder, "Control.idt"),
            ["Dialog_", "Control", "Type", "X", "Y", "Width", "Height", "Attributes", "Property",
             "Text", "Control_Next", "Help"],
            ["s72", "s50", "s20", "i2", "i2", "i2", "i2", "I4", "S72", "L0", "S50", "L50"],
            ["Dialog_", "Control"], tables.controls),
        idt(os.path.join(folder, "ControlEvent.idt"),
            ["Dialog_", "Control_", "Event", "Argument", "Condition", "Ordering"],
            ["s72", "s50", "s50", "s255", "S255", "I2"],
            ["Dialog_", "Control_", "Event", "Argument", "Condition"], tables.events),
        idt(os.path.join(folder, "ControlCondition.idt"),
            ["Dialog_", "Control_", "Action", "Condition"], ["s72", "s50", "s50", "s255"],
            ["Dialog_", "Control_", "Action", "Condition"], tables.conditions),
        idt(os.path.join(folder, "CheckBox.idt"), ["Property", "Value"], ["s72", "S64"],
            ["Property"], [("LicenceAccepted", "1")]),
        idt(os.path.join(folder, "TextStyle.idt"),
            ["TextStyle", "FaceName", "Size", "Color", "StyleBits"],
            ["s72", "s32", "i2", "I4", "I2"], ["TextStyle"],
            [("DlgFont8", "Tahoma", 8, "", 0), ("TitleFont", "Tahoma", 9, "", 1)]),
    ]
    queries = [
        "INSERT INTO `Property` (`Property`, `Value`) VALUES ('DefaultUIFont', 'DlgFont8')",
        # Between costing, which settles INSTALLDIR, and the installation itself; the last
        # pages by the installer's own numbers: -1 done, -2 cancelled, -3 failed.
        "INSERT INTO `InstallUISequence` (`Action`, `Condition`, `Sequence`) "
        "VALUES ('WelcomeDlg', 'NOT Installed', 1297)",
        "INSERT INTO `InstallUISequence` (`Action`, `Condition`, `Sequence`) "
        "VALUES ('MaintenanceDlg', 'Installed AND NOT REMOVE', 1298)",
        "INSERT INTO `InstallUISequence` (`Action`, `Sequence`) VALUES ('ExitDlg', -1)",
        "INSERT INTO `InstallUISequence` (`Action`, `Sequence`) VALUES ('UserExitDlg', -2)",
        "INSERT INTO `InstallUISequence` (`Action`, `Sequence`) VALUES ('FatalErrorDlg', -3)",
    ]
    return files, queries
