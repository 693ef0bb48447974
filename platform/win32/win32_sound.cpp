#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <array>
#include <cstring>

namespace xaq::platform {

namespace {

constexpr int kSlots = 34;
// Volume, pan and frequency control, static buffer.
constexpr DWORD kSlotBufferFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY | DSBCAPS_STATIC;
static_assert(kSlotBufferFlags == 0xE2);

bool copyInto(IDirectSoundBuffer* buffer, ByteView samples) {
  void* first = nullptr;
  void* second = nullptr;
  DWORD firstBytes = 0, secondBytes = 0;
  if (FAILED(buffer->Lock(0, static_cast<DWORD>(samples.size), &first, &firstBytes, &second, &secondBytes, 0))) {
    return false;
  }
  const DWORD copied = firstBytes < samples.size ? firstBytes : static_cast<DWORD>(samples.size);
  std::memcpy(first, samples.data, copied);
  if (second != nullptr && secondBytes > 0 && copied < samples.size) {
    const std::size_t rest = samples.size - copied;
    std::memcpy(second, samples.data + copied, rest < secondBytes ? rest : secondBytes);
  }
  return SUCCEEDED(buffer->Unlock(first, firstBytes, second, secondBytes));
}

class DirectSoundDevice final : public SoundDevice {
 public:
  bool open(WindowHandle owner) override {
    close();
    if (FAILED(DirectSoundCreate(nullptr, &device_, nullptr)) || device_ == nullptr) {
      device_ = nullptr;
      return false;
    }
    if (FAILED(device_->SetCooperativeLevel(reinterpret_cast<HWND>(owner), DSSCL_NORMAL))) {
      close();
      return false;
    }
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_PRIMARYBUFFER;
    IDirectSoundBuffer* primary = nullptr;
    if (SUCCEEDED(device_->CreateSoundBuffer(&description, &primary, nullptr)) && primary != nullptr) {
      primary->Play(0, 0, DSBPLAY_LOOPING);
      primary->Release();
    }
    return true;
  }

  void close() override {
    for (IDirectSoundBuffer*& b : buffers_) {
      if (b != nullptr) b->Release();
      b = nullptr;
    }
    if (device_ != nullptr) device_->Release();
    device_ = nullptr;
  }

  bool load(int slot, const WaveFormat& format, ByteView samples) override {
    if (device_ == nullptr || !valid(slot) || !samples || samples.size > 0x7FFFFFFF) return false;
    release(slot);
    WAVEFORMATEX wave{};
    wave.wFormatTag = format.formatTag;
    wave.nChannels = format.channels;
    wave.nSamplesPerSec = format.samplesPerSecond;
    wave.nAvgBytesPerSec = format.averageBytesPerSecond;
    wave.nBlockAlign = format.blockAlign;
    wave.wBitsPerSample = format.bitsPerSample;
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = kSlotBufferFlags;
    description.dwBufferBytes = static_cast<DWORD>(samples.size);
    description.lpwfxFormat = &wave;
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(device_->CreateSoundBuffer(&description, &buffer, nullptr)) || buffer == nullptr) return false;
    if (!copyInto(buffer, samples)) {
      buffer->Release();
      return false;
    }
    DSBCAPS caps{};
    caps.dwSize = sizeof caps;
    buffer->GetCaps(&caps);
    buffers_[static_cast<std::size_t>(slot)] = buffer;
    return true;
  }

  PlayOutcome play(int slot, bool loop) override {
    IDirectSoundBuffer* b = buffer(slot);
    if (b == nullptr) return PlayOutcome::kFailed;
    b->SetCurrentPosition(0);
    const HRESULT result = b->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
    if (result == DSERR_BUFFERLOST) return PlayOutcome::kLost;
    return SUCCEEDED(result) ? PlayOutcome::kPlaying : PlayOutcome::kFailed;
  }

  bool restore(int slot, ByteView samples) override {
    IDirectSoundBuffer* b = buffer(slot);
    return b != nullptr && samples && SUCCEEDED(b->Restore()) && copyInto(b, samples);
  }

  bool stop(int slot) override {
    IDirectSoundBuffer* b = buffer(slot);
    return b != nullptr && SUCCEEDED(b->Stop());
  }

  bool setAttenuation(int slot, std::int32_t hundredthsOfDecibel) override {
    IDirectSoundBuffer* b = buffer(slot);
    return b != nullptr && SUCCEEDED(b->SetVolume(hundredthsOfDecibel));
  }

 private:
  static bool valid(int slot) { return slot >= 0 && slot < kSlots; }
  IDirectSoundBuffer* buffer(int slot) const { return valid(slot) ? buffers_[static_cast<std::size_t>(slot)] : nullptr; }
  void release(int slot) {
    IDirectSoundBuffer*& b = buffers_[static_cast<std::size_t>(slot)];
    if (b != nullptr) b->Release();
    b = nullptr;
  }

  IDirectSound* device_ = nullptr;
  std::array<IDirectSoundBuffer*, kSlots> buffers_{};
};

}  // namespace

SoundDevice& win32SoundDevice() {
  static DirectSoundDevice device;
  return device;
}

}  // namespace xaq::platform
