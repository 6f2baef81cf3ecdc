#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace torvane::toolkit {

// The zip archive that holds every layout and image of the program. It is opened from bytes in memory, members
// are found by name without regard to case, and decoded images are cached. One archive is the process-wide
// source of layouts and images; the program sets it once at start-up.
class SkinArchive {
 public:
  // Members larger than this are refused rather than allocated: a damaged directory may claim any size.
  static constexpr std::uint64_t kMaxMemberSize = 64u * 1024u * 1024u;

  ~SkinArchive();
  SkinArchive(const SkinArchive&) = delete;
  SkinArchive& operator=(const SkinArchive&) = delete;

  // Copies the bytes; nullptr and a reason in `error` when they are not a readable zip archive.
  static std::unique_ptr<SkinArchive> Open(std::span<const std::uint8_t> bytes, QString* error = nullptr);
  // Reads straight from `bytes`, which outlive the archive (the archive built into the program): only the
  // directory and the members asked for are ever touched, so the rest never takes memory.
  static std::unique_ptr<SkinArchive> OpenInPlace(std::span<const std::uint8_t> bytes, QString* error = nullptr);

  bool Contains(const QString& name) const;
  // The member's bytes, or nullopt when it is missing, too large or unreadable.
  std::optional<QByteArray> Read(const QString& name) const;
  QStringList Names() const;

  // The decoded image, cached (UI thread only, like every pixmap); a null pixmap when the member is missing or not an
  // image. A member "name@2x.png" beside "name.png" is preferred on screens with a device pixel ratio of 1.5 or more.
  QPixmap Image(const QString& name) const;
  // Starts decoding the image on a thread of its own, for one that a first paint needs while the window is still
  // being built; Image() then takes it from there rather than decoding it again.
  void Prefetch(const QString& name);

  // The process-wide archive (nullptr until set). Setting replaces and destroys the previous one.
  static void SetCurrent(std::unique_ptr<SkinArchive> archive);
  static SkinArchive* Current();

 private:
  struct Handles;
  explicit SkinArchive(std::unique_ptr<Handles> handles);
  static std::unique_ptr<SkinArchive> OpenBuffer(std::unique_ptr<Handles> handles, std::span<const std::uint8_t> bytes,
                                                 QString* error);
  std::optional<std::int64_t> IndexOf(const QString& name) const;
  struct Decoded {
    QImage image;
    qreal ratio = 1.0;
  };
  // The member decoded, the "@2x" one where `hidpi` asks for it and there is one.
  Decoded Decode(const QString& name, bool hidpi) const;

  std::unique_ptr<Handles> handles_;
  // Names match without regard to case, but an exact match wins: two game
  // titles differ only in case, and each has its own card.
  QHash<QString, std::int64_t> index_by_name_;
  QHash<QString, std::int64_t> index_by_lower_name_;
  mutable std::mutex mutex_;
  mutable QHash<std::int64_t, QPixmap> image_cache_;
  mutable QHash<std::int64_t, std::shared_future<Decoded>> prefetched_;  // waited for before the zip closes
};

}  // namespace torvane::toolkit
