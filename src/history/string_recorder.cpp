#include "history/string_recorder.h"

#include <cerrno>
#include <utility>

#include "history/history_store.h"
#include "history/string_file.h"

namespace tarvik {
namespace {

// Names tried for one string before its file is given up: "-2" ... "-99" after a clash.
constexpr int kNameAttempts = 99;

// An exclusive create that met an existing file: errno's EEXIST on POSIX, ERROR_FILE_EXISTS (80)
// or ERROR_ALREADY_EXISTS (183) on Windows. None of them means anything else from a create on
// the other system.
bool AlreadyExists(const PlatformError& error) {
  return error.code == EEXIST || error.code == 80 || error.code == 183;
}

}  // namespace

StringRecorder::StringRecorder(HistoryFolder& folder, const Clock& clock)
    : folder_(folder), clock_(clock) {
  // Both programs go on recording: each makes its files under names no other file has.
  if (!folder_.TakeHold()) notice_ = RecorderNotice::kShared;
}

// A last try, so that records held at the end still reach the disk when it takes them now.
StringRecorder::~StringRecorder() {
  Retry();
  CloseString();
}

void StringRecorder::StartString(std::string name, std::string notes) {
  CloseString();
  next_name_ = std::move(name);
  next_notes_ = std::move(notes);
}

void StringRecorder::CloseString() {
  // Records still held keep their string's target, so they reach the old file.
  current_.reset();
  // A closed string goes into the summary cache at once: a history of thousands of strings
  // recorded without ever being listed would otherwise have every file read at its first list.
  if (!current_id_.empty()) HistoryStore(folder_).Remember(current_id_);
  current_id_.clear();
  next_name_.clear();
  next_notes_.clear();
  next_number_ = 1;
  rows_.clear();
}

void StringRecorder::RecordShot(KeptShot shot) {
  Current(shot.time);
  shot.number = next_number_++;
  rows_.push_back(shot.number);
  std::string bytes = ShotRecord(shot);
  if (shot.left_out) {
    bytes +=
        ShotMarkRecord(ShotMarkKind::kLeftOut, shot.number, shot.time.value_or(clock_.LocalNow()));
  }
  Write(std::move(bytes));
}

void StringRecorder::RecordShots(std::span<const KeptShot> shots) {
  if (shots.empty()) return;
  Current(shots.front().time);
  std::string bytes;
  for (KeptShot shot : shots) {
    shot.number = next_number_++;
    rows_.push_back(shot.number);
    bytes += ShotRecord(shot);
    if (shot.left_out) {
      bytes += ShotMarkRecord(ShotMarkKind::kLeftOut, shot.number,
                              shot.time.value_or(clock_.LocalNow()));
    }
  }
  Write(std::move(bytes));
}

void StringRecorder::RecordUndo(const LocalTime& time) {
  if (rows_.empty()) return;
  const std::int32_t number = rows_.back();
  rows_.pop_back();
  Write(ShotMarkRecord(ShotMarkKind::kUndone, number, time));
}

void StringRecorder::RecordLeftOut(std::span<const std::int32_t> rows, bool left_out,
                                   const LocalTime& time) {
  const ShotMarkKind kind = left_out ? ShotMarkKind::kLeftOut : ShotMarkKind::kTakenIn;
  std::string bytes;
  for (const std::int32_t row : rows) {
    if (row < 0 || row >= static_cast<std::int32_t>(rows_.size())) continue;
    bytes += ShotMarkRecord(kind, rows_[static_cast<std::size_t>(row)], time);
  }
  if (!bytes.empty()) Write(std::move(bytes));
}

void StringRecorder::Retry() {
  if (held_.empty()) return;
  while (!held_.empty()) {
    Held& first = held_.front();
    if (std::optional<PlatformError> error = Put(*first.target, first.bytes)) {
      last_error_ = std::move(error);
      return;
    }
    held_.erase(held_.begin());
  }
  cannot_write_told_ = false;
  last_error_.reset();
  notice_ = RecorderNotice::kWritingAgain;
}

RecorderNotice StringRecorder::TakeNotice() {
  return std::exchange(notice_, RecorderNotice::kNone);
}

StringRecorder::Target& StringRecorder::Current(const std::optional<LocalTime>& first_time) {
  if (!current_) {
    current_ = std::make_shared<Target>();
    const LocalTime now = first_time.value_or(clock_.LocalNow());
    current_->started = now;
    current_->head = std::string(StringFileHeader()) + NameRecord(next_name_, now) +
                     NotesRecord(next_notes_, now);
  }
  return *current_;
}

// Behind what is held, so that the file gets its records in the order they were made.
void StringRecorder::Write(std::string bytes) {
  if (held_.empty()) {
    std::optional<PlatformError> error = Put(*current_, bytes);
    if (!error) return;
    Failed(*error);
  }
  Hold(current_, std::move(bytes));
}

void StringRecorder::Hold(const std::shared_ptr<Target>& target, std::string bytes) {
  if (!held_.empty() && held_.back().target == target) {
    held_.back().bytes += bytes;
  } else {
    held_.push_back({target, std::move(bytes)});
  }
}

// One durable append of the target's head (on its first write) and the bytes. A failure leaves
// the file as it was: a part the write put down is cut off, now or before the next write.
std::optional<PlatformError> StringRecorder::Put(Target& target, std::string_view bytes) {
  if (!target.file) {
    if (std::optional<PlatformError> error = Create(target)) return error;
  }
  if (target.cut_pending) {
    if (std::optional<PlatformError> error = target.file->Truncate(target.good_size)) return error;
    target.cut_pending = false;
  } else if (const std::int64_t size = target.file->Size(); size >= 0) {
    // The history window may have appended a new name or notes since: a failed write is cut
    // back to the end of those, not to the end of this recorder's own records.
    target.good_size = size;
  }
  std::string whole = target.head;
  whole += bytes;
  if (std::optional<PlatformError> error = target.file->AppendDurably(whole)) {
    target.cut_pending = target.file->Truncate(target.good_size).has_value();
    return error;
  }
  target.good_size += static_cast<std::int64_t>(whole.size());
  target.head.clear();
  if (&target == current_.get()) current_id_ = target.id;
  return std::nullopt;
}

std::optional<PlatformError> StringRecorder::Create(Target& target) {
  PlatformError error;
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const std::string name = StringFileName(target.started, attempt);
    target.file = folder_.CreateString(name, error);
    if (target.file) {
      target.id = name.substr(0, name.size() - 4);  // without ".csv"
      target.good_size = 0;
      return std::nullopt;
    }
    if (!AlreadyExists(error)) break;
  }
  return error;
}

void StringRecorder::Failed(const PlatformError& error) {
  last_error_ = error;
  if (cannot_write_told_) return;
  cannot_write_told_ = true;
  notice_ = RecorderNotice::kCannotWrite;
}

}  // namespace tarvik
