#include "ui/qt_sound.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "base/number_text.h"
#include "base/wave_file.h"

namespace tarvik::ui {
namespace {

// What of a file is read to find its length; the data chunk's header comes well before.
constexpr std::streamsize kHeaderBytes = 1024 * 1024;
// Time beyond a sound's own length for the audio system to start and finish it.
constexpr long long kMarginMs = 300;

// Set once by the sound's thread when the sound has ended or cannot be played.
struct Finished {
  std::mutex mutex;
  std::condition_variable condition;
  bool done = false;
  bool failed = false;

  void Set(bool failure) {
    {
      std::lock_guard lock(mutex);
      done = true;
      failed = failure;
    }
    condition.notify_all();
  }
};

// A file's name, size and time of change.
std::string Signature(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  const auto changed = std::filesystem::last_write_time(path, error).time_since_epoch().count();
  std::string signature = path;
  signature.append("|").append(FormatUnsigned(size)).append("|").append(FormatInt(changed));
  return signature;
}

std::optional<long long> DurationOfFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string header(kHeaderBytes, '\0');
  in.read(header.data(), kHeaderBytes);
  header.resize(static_cast<std::size_t>(in.gcount()));
  return WaveDurationMs(header, size);
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> folders, const DebugLog& log)
    : folders_(std::move(folders)), log_(log) {
  worker_ = new QObject;
  worker_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.start();
}

QtSoundPlayer::~QtSoundPlayer() {
  thread_.quit();
  thread_.wait();
}

std::string QtSoundPlayer::Resolve(const std::string& file_name) const {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path name(file_name);
  if (file_name.empty()) return {};
  if (fs::is_regular_file(name, error)) return file_name;
  if (name.is_absolute()) return {};
  for (const std::string& folder : folders_) {
    const fs::path candidate = fs::path(folder) / name;
    if (fs::is_regular_file(candidate, error)) return candidate.string();
  }
  return {};
}

void QtSoundPlayer::PlayFileSync(const std::string& file_name) {
  const std::string path = Resolve(file_name);
  const std::optional<long long> duration = path.empty() ? std::nullopt : DurationOfFile(path);
  // Qt keeps a file it could not decode as such and then never reports on it again, so a file
  // that failed once, unchanged since, is not tried again.
  const std::string signature = path.empty() ? "" : Signature(path);
  if (path.empty()) return Refuse(file_name, "no such file, here or beside the program");
  if (!duration) return Refuse(file_name, "not a wave file");
  if (undecodable_.count(signature) != 0) return Refuse(file_name, "it could not be decoded");
  auto finished = std::make_shared<Finished>();
  QMetaObject::invokeMethod(worker_, [this, path, finished] {
    // A fresh effect for every sound: one that failed once would fail quietly ever after.
    delete effect_;
    effect_ = new QSoundEffect(worker_);
    QSoundEffect* effect = effect_;
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect, finished] {
      if (!effect->isPlaying()) finished->Set(false);
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, finished] {
      if (effect->status() == QSoundEffect::Error) finished->Set(true);
    });
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    effect->play();
  });
  std::unique_lock lock(finished->mutex);
  if (!finished->condition.wait_for(lock, std::chrono::milliseconds(*duration + kMarginMs),
                                    [&] { return finished->done; })) {
    QMetaObject::invokeMethod(worker_, [this] { effect_->stop(); });
  } else if (finished->failed) {
    undecodable_.insert(signature);
    Refuse(file_name, "it could not be decoded");
  }
}

void QtSoundPlayer::Refuse(const std::string& file_name, std::string_view why) const {
  LogFailure(log_, "play the sound", file_name, why);
  QApplication::beep();
}

std::vector<std::string> SoundFolders(const std::string& program_folder) {
  return {program_folder, program_folder + "/../share/tarvik"};
}

}  // namespace tarvik::ui
