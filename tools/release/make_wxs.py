#!/usr/bin/env python3
"""Writes the WiX description of one module folder's installer, for wixl.

    make_wxs.py MODULE_FOLDER win32|win64 VERSION OUTPUT.wxs

wixl runs in MODULE_FOLDER: the sources are named relative to it. Every file of the folder is
installed into INSTALLDIR, by default "Corvane Software\\Pellora" under Program Files, which the
user may change (INSTALLDIR=... on the msiexec command line).
The module's own files form the feature "Core"; each language folder (one holding a mohrc.dll)
is a feature of its own, named after the language its resource module reports; the company and
product names come from the library's version resource. Nothing goes into the user's profile,
so an uninstall leaves the settings, phone book and call log alone.
"""
import os
import re
import sys
import uuid
from xml.sax.saxutils import quoteattr

INSTALL_FOLDER = "Pellora"
# Where the installer remembers the chosen folder, for a repair, an upgrade or the uninstall.
REMEMBERED_KEY = "Software\\Corvane Software\\Pellora"
# Fixed names from which every GUID is derived: each file keeps its component across versions, a
# new version replaces an old one of the same architecture, and each version has one product code.
NAMESPACE = uuid.uuid5(uuid.NAMESPACE_DNS, "pellora.corvane-software.invalid")


def guid(*parts):
    return "{%s}" % str(uuid.uuid5(NAMESPACE, "/".join(parts))).upper()


def identifier(prefix, relative):
    return prefix + "_" + re.sub(r"[^A-Za-z0-9_]", "_", relative)


def version_text(module, key):
    """A text of the module's version resource (UTF-16 strings in the file), or None."""
    with open(module, "rb") as binary:
        text = binary.read().decode("utf-16-le", errors="replace")
    found = re.search(key + r"\x00+([^\x00]+)", text)
    return found.group(1) if found else None


def language_name(resource_module):
    """The language in the resource module's description: "... resources (English)"."""
    found = re.search(r"\(([^)]+)\)$", version_text(resource_module, "FileDescription") or "")
    return found.group(1) if found else None


def folder_files(root, relative):
    folder = os.path.join(root, relative)
    return sorted(name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name)))


def subfolders(root, relative):
    folder = os.path.join(root, relative)
    return sorted(name for name in os.listdir(folder) if os.path.isdir(os.path.join(folder, name)))


class Installer:
    def __init__(self, root, arch):
        self.root = root
        self.arch = arch
        self.win64 = "yes" if arch == "win64" else "no"
        self.features = {"Core": []}
        self.titles = {}

    def directory(self, relative, feature, indent):
        """The Directory element of a folder, with one component per file."""
        lines = []
        for name in folder_files(self.root, relative):
            path = os.path.join(relative, name) if relative else name
            component = identifier("C", path)
            self.features[feature].append(component)
            lines += [
                "%s<Component Id=%s Guid=%s Win64=%s>" % (indent, quoteattr(component), quoteattr(guid(self.arch, path)),
                                                          quoteattr(self.win64)),
                "%s  <File Id=%s Name=%s Source=%s KeyPath=\"yes\"/>" % (
                    indent, quoteattr(identifier("F", path)), quoteattr(name),
                    quoteattr(path)),
                "%s</Component>" % indent,
            ]
        for name in subfolders(self.root, relative):
            path = os.path.join(relative, name) if relative else name
            sub_feature = feature
            if feature == "Core" and os.path.isfile(os.path.join(self.root, path, "mohrc.dll")):
                sub_feature = "Language_" + name
                self.features[sub_feature] = []
                self.titles[sub_feature] = language_name(os.path.join(self.root, path, "mohrc.dll")) or name
            lines.append("%s<Directory Id=%s Name=%s>" % (indent, quoteattr(identifier("D", path)), quoteattr(name)))
            lines += self.directory(path, sub_feature, indent + "  ")
            lines.append("%s</Directory>" % indent)
        return lines

    def remembered_folder(self, indent):
        """INSTALLDIR is kept in the registry and read back, so that the uninstall finds the files in the
        folder the user chose."""
        key = 'Root="HKLM" Key=%s Name="InstallDir"' % quoteattr(REMEMBERED_KEY)
        self.features["Core"].append("C_InstallDir")
        return [
            "%s<Component Id=\"C_InstallDir\" Guid=%s Win64=%s>" % (indent, quoteattr(guid(self.arch, "InstallDir")),
                                                                   quoteattr(self.win64)),
            "%s  <RegistryValue %s Type=\"string\" Value=\"[INSTALLDIR]\" KeyPath=\"yes\"/>" % (indent, key),
            "%s</Component>" % indent,
        ], [
            '    <Property Id="INSTALLDIR">',
            '      <RegistrySearch Id="RememberedInstallDir" %s Type="raw" Win64=%s/>' % (key, quoteattr(self.win64)),
            "    </Property>",
        ]

    def feature(self, name, title, description, indent, absent):
        lines = ["%s<Feature Id=%s Title=%s Description=%s Level=\"1\" Absent=%s%s>" % (
            indent, quoteattr(name), quoteattr(title), quoteattr(description), quoteattr(absent),
            ' ConfigurableDirectory="INSTALLDIR"' if name == "Core" else "")]
        lines += ["%s  <ComponentRef Id=%s/>" % (indent, quoteattr(c)) for c in self.features[name]]
        return lines

    def wxs(self, version):
        company = version_text(os.path.join(self.root, "moh.dll"), "CompanyName")
        product = version_text(os.path.join(self.root, "moh.dll"), "ProductName")
        program_files = "ProgramFiles64Folder" if self.arch == "win64" else "ProgramFilesFolder"
        files = self.directory("", "Core", "            ")
        remember, search = self.remembered_folder("            ")
        files += remember
        lines = [
            '<?xml version="1.0" encoding="utf-8"?>',
            '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">',
            "  <Product Id=%s Name=%s Manufacturer=%s Version=%s Language=\"1033\" Codepage=\"1252\" UpgradeCode=%s>" % (
                quoteattr(guid(self.arch, "product", version)),
                quoteattr("%s (%s)" % (product, "64-bit" if self.arch == "win64" else "32-bit")),
                quoteattr(company), quoteattr(version), quoteattr(guid(self.arch, "upgrade"))),
            "    <Package InstallerVersion=\"200\" Compressed=\"yes\" InstallScope=\"perMachine\" Manufacturer=%s Description=%s/>" % (
                quoteattr(company), quoteattr(product)),
            '    <Media Id="1" Cabinet="pellora.cab" EmbedCab="yes"/>',
            '    <MajorUpgrade DowngradeErrorMessage="A newer version of %s is already installed."/>' % product,
        ] + search + [
            '    <Directory Id="TARGETDIR" Name="SourceDir">',
            '      <Directory Id="%s">' % program_files,
            '        <Directory Id="CompanyFolder" Name=%s>' % quoteattr(company),
            '          <Directory Id="INSTALLDIR" Name=%s>' % quoteattr(INSTALL_FOLDER),
        ] + files + [
            "          </Directory>",
            "        </Directory>",
            "      </Directory>",
            "    </Directory>",
        ]
        lines += self.feature("Core", product, "The library, its companions, help and tools.", "    ", "disallow")
        for name in sorted(self.titles):
            lines += self.feature(name, self.titles[name], "%s: texts, dialogs and help." % self.titles[name],
                                  "      ", "allow")
            lines.append("      </Feature>")
        lines += ["    </Feature>", "  </Product>", "</Wix>", ""]
        return "\n".join(lines)


def main():
    if len(sys.argv) != 5 or sys.argv[2] not in ("win32", "win64"):
        sys.exit(__doc__)
    root, arch, version, output = sys.argv[1:]
    with open(output, "w", encoding="utf-8") as out:
        out.write(Installer(root, arch).wxs(version))


if __name__ == "__main__":
    main()
