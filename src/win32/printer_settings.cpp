#include "win32/printer_settings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace bio {

namespace {

struct DeviceNames {
    std::wstring driver, device;
};

DeviceNames deviceNames(HGLOBAL devNames) {
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames));
    if (!names) return {};
    const auto* text = reinterpret_cast<const wchar_t*>(names);
    DeviceNames copied{text + names->wDriverOffset, text + names->wDeviceOffset};
    GlobalUnlock(devNames);
    return copied;
}

// The settings whole: the public part and the driver's own after it.
std::vector<std::byte> copyOf(HGLOBAL devMode) {
    const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(devMode));
    if (!mode) return {};
    const auto* bytes = reinterpret_cast<const std::byte*>(mode);
    std::vector<std::byte> copy(bytes, bytes + mode->dmSize + mode->dmDriverExtra);
    GlobalUnlock(devMode);
    return copy;
}

DEVMODEW* modeIn(std::vector<std::byte>& bytes) {
    return bytes.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(bytes.data());
}

// `mode` asking for A4 portrait, as the driver merges it; just as asked
// when the driver cannot be asked.
std::vector<std::byte> withA4Portrait(const std::wstring& device, std::vector<std::byte> mode) {
    DEVMODEW* asked = modeIn(mode);
    if (!asked) return mode;
    asked->dmPaperSize = DMPAPER_A4;
    asked->dmOrientation = DMORIENT_PORTRAIT;
    // A paper given by its form's name or by its length and width would win
    // over the paper's number.
    asked->dmFields = (asked->dmFields | DM_PAPERSIZE | DM_ORIENTATION) &
                      ~(DM_FORMNAME | DM_PAPERLENGTH | DM_PAPERWIDTH);
    HANDLE printer = nullptr;
    std::wstring name = device;
    if (!OpenPrinterW(name.data(), &printer, nullptr)) return mode;
    const LONG size = DocumentPropertiesW(nullptr, printer, name.data(), nullptr, nullptr, 0);
    std::vector<std::byte> merged(size > 0 ? static_cast<std::size_t>(size) : 0);
    const bool done = size > 0 && DocumentPropertiesW(nullptr, printer, name.data(), modeIn(merged),
                                                      asked, DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
    ClosePrinter(printer);
    return done ? merged : mode;
}

}  // namespace

HDC jobDc(HGLOBAL devNames, HGLOBAL devMode, bool a4Portrait) {
    const DeviceNames names = deviceNames(devNames);
    if (names.device.empty()) return nullptr;
    std::vector<std::byte> mode = copyOf(devMode);
    if (a4Portrait) mode = withA4Portrait(names.device, std::move(mode));
    return CreateDCW(names.driver.c_str(), names.device.c_str(), nullptr, modeIn(mode));
}

}  // namespace bio
