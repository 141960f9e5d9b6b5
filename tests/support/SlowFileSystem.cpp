#include "tests/support/SlowFileSystem.h"

#include <thread>

namespace quorvel::test {

namespace {

class SlowFile : public File {
 public:
  SlowFile(std::unique_ptr<File> inner, const SlowFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}
  ~SlowFile() override {
    files_.Wait();
    inner_.reset();
  }

  bool Read(std::string& out, std::size_t max) override {
    files_.Wait();
    return inner_->Read(out, max);
  }
  bool Write(const std::string& bytes) override {
    files_.Wait();
    return inner_->Write(bytes);
  }
  bool Size(std::uint64_t& size) override {
    files_.Wait();
    return inner_->Size(size);
  }
  bool Seek(std::uint64_t offset) override {
    files_.Wait();
    return inner_->Seek(offset);
  }
  bool SeekToEnd() override {
    files_.Wait();
    return inner_->SeekToEnd();
  }
  bool Truncate() override {
    files_.Wait();
    return inner_->Truncate();
  }

 private:
  std::unique_ptr<File> inner_;
  const SlowFileSystem& files_;
};

}  // namespace

void SlowFileSystem::Wait() const {
  const std::chrono::microseconds d = delay_();
  if (d.count() > 0) std::this_thread::sleep_for(d);
}

OpenResult SlowFileSystem::Open(const std::string& path, FileAccess access, FileShare share,
                                FileDisposition disposition) {
  Wait();
  OpenResult result = inner_.Open(path, access, share, disposition);
  if (result.file) result.file = std::make_unique<SlowFile>(std::move(result.file), *this);
  return result;
}

bool SlowFileSystem::Delete(const std::string& path) {
  Wait();
  return inner_.Delete(path);
}

std::unique_ptr<FileSearch> SlowFileSystem::Find(const std::string& pattern) {
  Wait();
  return inner_.Find(pattern);
}

bool SlowFileSystem::CreateFolder(const std::string& path) {
  Wait();
  return inner_.CreateFolder(path);
}

bool SlowFileSystem::MoveOver(const std::string& from, const std::string& to) {
  Wait();
  return inner_.MoveOver(from, to);
}

}  // namespace quorvel::test
