#include "ui/qt_sound.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "base/wave_file.h"

namespace tarvik::ui {
namespace {

// What of a file is read to find its length; the data chunk's header comes well before.
constexpr std::streamsize kHeaderBytes = 64 * 1024;
// Time beyond a sound's own length for the audio system to start and finish it.
constexpr long long kMarginMs = 300;

// Set once by the sound's thread when the sound has ended or cannot be played.
struct Finished {
  std::mutex mutex;
  std::condition_variable condition;
  bool done = false;

  void Set() {
    {
      std::lock_guard lock(mutex);
      done = true;
    }
    condition.notify_all();
  }
};

std::optional<long long> DurationOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string header(kHeaderBytes, '\0');
  in.read(header.data(), kHeaderBytes);
  header.resize(static_cast<std::size_t>(in.gcount()));
  return WaveDurationMs(header);
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> folders) : folders_(std::move(folders)) {
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
  if (!duration) {
    QApplication::beep();
    return;
  }
  auto finished = std::make_shared<Finished>();
  QMetaObject::invokeMethod(worker_, [this, path, finished] {
    if (effect_ == nullptr) effect_ = new QSoundEffect(worker_);
    // One receiver a sound: deleting the last one cuts its connections.
    delete worker_->findChild<QObject*>("sound", Qt::FindDirectChildrenOnly);
    auto* sound = new QObject(worker_);
    sound->setObjectName("sound");
    QSoundEffect* effect = effect_;
    QObject::connect(effect, &QSoundEffect::playingChanged, sound, [effect, finished] {
      if (!effect->isPlaying()) finished->Set();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, sound, [effect, finished] {
      if (effect->status() == QSoundEffect::Error) finished->Set();
    });
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    effect->play();
  });
  std::unique_lock lock(finished->mutex);
  if (!finished->condition.wait_for(lock, std::chrono::milliseconds(*duration + kMarginMs),
                                    [&] { return finished->done; })) {
    QMetaObject::invokeMethod(worker_, [this] { effect_->stop(); });
  }
}

std::vector<std::string> SoundFolders(const std::string& program_folder) {
  return {program_folder, program_folder + "/../share/tarvik"};
}

}  // namespace tarvik::ui
