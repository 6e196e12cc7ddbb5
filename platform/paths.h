#pragma once
// Where this platform keeps things the program names in Windows terms.

#include <QString>

namespace platform {

// The folder that holds the folder database by default: the per-user data folder.
QString defaultDataFolder();

// The folder where the contacts file dialogs open by default: the home folder.
QString defaultAddressFolder();

// The device for serial port n (1 = COM1 ... 8 = COM8): QUILLBOX_COMn when set, otherwise
// the device stored for it in the settings ("Ports/COMn", which the settings dialog's
// "Find..." writes), otherwise /dev/ttyS<n-1>. Returns an empty string for n outside 1..8.
QString serialPortDevice(int n);

// The device stored for COMn in the settings (empty: none). Storing an empty device
// removes the mapping.
QString storedSerialPortDevice(int n);
// With the device, what identifies its adapter across replugs (empty: nothing), which a
// stored device always replaces.
void storeSerialPortDevice(int n, const QString& device, const QString& identity = {});
QString storedSerialPortIdentity(int n);
// True when QUILLBOX_COMn sets COMn's device (a stored one is then not used).
bool serialPortFromEnvironment(int n);

// A file that comes with the program, named relative to its data folder: the one of an
// installed program (<prefix>/bin beside <prefix>/share/quillbox) first, else builtFrom, the
// file in the sources that a program run from its build folder uses. Empty when neither is
// there. Needs the application object, for the program's own folder.
QString shippedDataFile(const QString& relative, const QString& builtFrom = {});

} // namespace platform
