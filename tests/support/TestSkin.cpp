#include "support/TestSkin.h"

#include "toolkit/SkinArchive.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <span>

namespace torvane::testing {

void InstallTestSkin(const ZipMembers& extra) {
  ZipMembers members;
  auto add = [&members](const QString& name, const QByteArray& data) {
    for (auto& member : members) {
      if (member.first.compare(name, Qt::CaseInsensitive) == 0) {
        member.second = data;
        return;
      }
    }
    members.append({name, data});
  };

  const QString built = qEnvironmentVariable("TORVANE_SKIN_ARCHIVE_FILE");
  if (QFile file(built); !built.isEmpty() && file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    const auto archive = toolkit::SkinArchive::Open(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    if (archive) {
      for (const QString& name : archive->Names()) {
        if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) continue;
        if (const auto data = archive->Read(name)) add(name, *data);
      }
    }
  }
  const QDir layouts(QStringLiteral(TORVANE_SKIN_SOURCE_DIR));
  for (const QString& name : layouts.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
    QFile file(layouts.filePath(name));
    if (file.open(QIODevice::ReadOnly)) add(name, file.readAll());
  }
  for (const auto& [name, data] : extra) add(name, data);

  const QByteArray zip = BuildZip(members);
  QString error;
  auto archive = toolkit::SkinArchive::Open(
      std::span(reinterpret_cast<const std::uint8_t*>(zip.constData()), static_cast<std::size_t>(zip.size())), &error);
  ASSERT_TRUE(archive) << error.toStdString();
  toolkit::SkinArchive::SetCurrent(std::move(archive));
}

QByteArray SolidPng(int width, int height, unsigned argb) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(argb);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return data;
}

}  // namespace torvane::testing
