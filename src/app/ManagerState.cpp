#include "app/ManagerState.h"

#include <QByteArray>
#include <QString>

#include "core/ManagerFolders.h"
#include "device/FirmwareImage.h"
#include "toolkit/SkinArchive.h"

namespace torvane::app {

namespace {

// The firmware member of the skin archive; its zip checksum is compared as it is read.
std::optional<std::vector<std::uint8_t>> SkinFirmware() {
  const toolkit::SkinArchive* archive = toolkit::SkinArchive::Current();
  if (!archive) return std::nullopt;
  const std::optional<QByteArray> member = archive->Read(QString::fromUtf8(device::kFirmwareMemberName));
  if (!member) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(member->constData());
  return device::LoadFirmwareImage({bytes, static_cast<std::size_t>(member->size())});
}

}  // namespace

ManagerState::ManagerState() : session(core::BackupFolder(), SkinFirmware) {}

}  // namespace torvane::app
