#include "toolkit/SkinArchive.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <zip.h>

namespace torvane::toolkit {

namespace {

struct ZipDeleter {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileDeleter {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ZipSourceDeleter {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ZipErrorScope {
  zip_error_t error;
  ZipErrorScope() { zip_error_init(&error); }
  ~ZipErrorScope() { zip_error_fini(&error); }
  ZipErrorScope(const ZipErrorScope&) = delete;
  ZipErrorScope& operator=(const ZipErrorScope&) = delete;
};

std::unique_ptr<SkinArchive>& CurrentArchive() {
  static std::unique_ptr<SkinArchive> current;
  return current;
}

bool IsHiDpi() {
  const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  return app && app->devicePixelRatio() >= 1.5;
}

QString HiDpiName(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  if (dot <= 0) return {};
  return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QImage DecodeAs(const QByteArray& data, const QByteArray& format) {
  // Read as the format the name gives, and ask no plug-in but that format's own: guessing, or even naming a
  // built-in format with detection left on, loads every image plug-in (and the libraries behind them) to ask each.
  QBuffer buffer;
  buffer.setData(data);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(format.isEmpty());
  return reader.read();
}

}  // namespace

// The archive reads straight from its buffer: a copy of its own lives exactly as long as the zip handle.
struct SkinArchive::Handles {
  std::vector<std::uint8_t> bytes;  // empty when the archive reads bytes that outlive it
  std::unique_ptr<zip_t, ZipDeleter> zip;
};

SkinArchive::SkinArchive(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}

SkinArchive::~SkinArchive() = default;

std::unique_ptr<SkinArchive> SkinArchive::Open(std::span<const std::uint8_t> bytes, QString* error) {
  auto handles = std::make_unique<Handles>();
  handles->bytes.assign(bytes.begin(), bytes.end());
  const std::span<const std::uint8_t> copy(handles->bytes);
  return OpenBuffer(std::move(handles), copy, error);
}

std::unique_ptr<SkinArchive> SkinArchive::OpenInPlace(std::span<const std::uint8_t> bytes, QString* error) {
  return OpenBuffer(std::make_unique<Handles>(), bytes, error);
}

std::unique_ptr<SkinArchive> SkinArchive::OpenBuffer(std::unique_ptr<Handles> handles,
                                                     std::span<const std::uint8_t> bytes, QString* error) {
  if (bytes.empty()) {
    if (error) *error = QStringLiteral("the archive is empty");
    return nullptr;
  }
  ZipErrorScope scope;
  std::unique_ptr<zip_source_t, ZipSourceDeleter> source(
      zip_source_buffer_create(bytes.data(), bytes.size(), 0, &scope.error));
  if (!source) {
    if (error) *error = QString::fromUtf8(zip_error_strerror(&scope.error));
    return nullptr;
  }
  zip_t* opened = zip_open_from_source(source.get(), ZIP_RDONLY, &scope.error);
  if (!opened) {
    if (error) *error = QString::fromUtf8(zip_error_strerror(&scope.error));
    return nullptr;  // the source is still ours and is freed here
  }
  source.release();  // now owned by the archive
  handles->zip.reset(opened);

  std::unique_ptr<SkinArchive> archive(new SkinArchive(std::move(handles)));
  const zip_int64_t count = zip_get_num_entries(archive->handles_->zip.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive->handles_->zip.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (!name) continue;
    const QString exact = QString::fromUtf8(name);
    if (!archive->index_by_name_.contains(exact)) archive->index_by_name_.insert(exact, i);
    const QString key = exact.toLower();
    if (!archive->index_by_lower_name_.contains(key)) archive->index_by_lower_name_.insert(key, i);
  }
  return archive;
}

std::optional<std::int64_t> SkinArchive::IndexOf(const QString& name) const {
  if (const auto exact = index_by_name_.constFind(name); exact != index_by_name_.constEnd()) return exact.value();
  const auto it = index_by_lower_name_.constFind(name.toLower());
  if (it == index_by_lower_name_.constEnd()) return std::nullopt;
  return it.value();
}

bool SkinArchive::Contains(const QString& name) const {
  return IndexOf(name).has_value();
}

QStringList SkinArchive::Names() const {
  std::lock_guard lock(mutex_);
  QStringList names;
  const zip_int64_t count = zip_get_num_entries(handles_->zip.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    if (const char* name = zip_get_name(handles_->zip.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS)) {
      names.append(QString::fromUtf8(name));
    }
  }
  return names;
}

std::optional<QByteArray> SkinArchive::Read(const QString& name) const {
  const auto index = IndexOf(name);
  if (!index) return std::nullopt;
  std::lock_guard lock(mutex_);
  zip_t* zip = handles_->zip.get();
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(zip, static_cast<zip_uint64_t>(*index), 0, &stat) != 0) return std::nullopt;
  if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > kMaxMemberSize) return std::nullopt;
  std::unique_ptr<zip_file_t, ZipFileDeleter> file(zip_fopen_index(zip, static_cast<zip_uint64_t>(*index), 0));
  if (!file) return std::nullopt;
  QByteArray data(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
  zip_uint64_t done = 0;
  while (done < stat.size) {
    const zip_int64_t got = zip_fread(file.get(), data.data() + done, stat.size - done);
    if (got <= 0) return std::nullopt;  // truncated or failed checksum
    done += static_cast<zip_uint64_t>(got);
  }
  // The checksum is only compared once a read meets the member's end, so read on to it: there must be nothing more.
  char extra = 0;
  if (zip_fread(file.get(), &extra, 1) != 0) return std::nullopt;
  return data;
}

SkinArchive::Decoded SkinArchive::Decode(const QString& name, bool hidpi) const {
  const QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
  if (const QString big = HiDpiName(name); hidpi && !big.isEmpty()) {
    if (const auto data = Read(big)) {
      if (QImage image = DecodeAs(*data, format); !image.isNull()) return {std::move(image), 2.0};
    }
  }
  const auto data = Read(name);
  return {data ? DecodeAs(*data, format) : QImage(), 1.0};
}

QPixmap SkinArchive::Image(const QString& name) const {
  // Cached by member, so every spelling of a name shares one decoded image.
  const std::optional<std::int64_t> index = IndexOf(name);
  if (!index) return {};
  if (const auto it = image_cache_.constFind(*index); it != image_cache_.constEnd()) return it.value();
  Decoded decoded;
  if (prefetched_.contains(*index)) {
    // The thread's copy goes first, so the pixmap takes the image over rather than copying it.
    const std::shared_future<Decoded> prefetched = prefetched_.take(*index);
    decoded = prefetched.get();
  } else {
    decoded = Decode(name, IsHiDpi());
  }
  QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
  if (!pixmap.isNull()) pixmap.setDevicePixelRatio(decoded.ratio);
  image_cache_.insert(*index, pixmap);
  return pixmap;
}

void SkinArchive::Prefetch(const QString& name) {
  const std::optional<std::int64_t> index = IndexOf(name);
  if (!index || image_cache_.contains(*index) || prefetched_.contains(*index)) return;
  const bool hidpi = IsHiDpi();  // asked here: the application is the UI thread's
  prefetched_.insert(*index,
                     std::async(std::launch::async, [this, name, hidpi] { return Decode(name, hidpi); }).share());
}

void SkinArchive::SetCurrent(std::unique_ptr<SkinArchive> archive) {
  CurrentArchive() = std::move(archive);
}

SkinArchive* SkinArchive::Current() {
  return CurrentArchive().get();
}

}  // namespace torvane::toolkit
