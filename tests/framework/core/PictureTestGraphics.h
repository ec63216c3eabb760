// Graphic classes for picture tests: stored data is a 32-bit byte count and that many bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Graphic.h"

class TTestGraphic : public TGraphic {
  DV_CLASS(TTestGraphic)
 public:
  TTestGraphic() = default;
  explicit TTestGraphic(std::vector<uint8_t> payload) : payload_(std::move(payload)) {}

  const std::vector<uint8_t>& Payload() const { return payload_; }
  void SetPayload(std::vector<uint8_t> payload);

  void Draw(TCanvas&, const TRect&) override {}
  bool Empty() const override { return payload_.empty(); }
  int Width() const override { return static_cast<int>(payload_.size()); }
  int Height() const override { return payload_.empty() ? 0 : 1; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // A payload that begins with 'F' fails with EInvalidGraphic "Test graphic is not valid".
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;
  void Assign(const TPersistent* source) override;

  // Raises OnProgress, as a graphic does while it decodes.
  void ReportProgress(uint8_t percent) { Progress(psRunning, percent, false, TRect{}, "busy"); }

 private:
  std::vector<uint8_t> payload_;
};

class TDerivedTestGraphic : public TTestGraphic {
  DV_CLASS(TDerivedTestGraphic)
};

// A class whose name does not fit into stored data (67 characters).
class TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY : public TTestGraphic {
  DV_CLASS(TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY)
};
