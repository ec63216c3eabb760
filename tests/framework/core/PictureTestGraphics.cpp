#include "tests/framework/core/PictureTestGraphics.h"

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TTestGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TTestGraphic, TGraphic>("TTestGraphic");
  return info;
}

const TClassInfo& TDerivedTestGraphic::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDerivedTestGraphic, TTestGraphic>("TDerivedTestGraphic");
  return info;
}

const TClassInfo&
TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY,
                      TTestGraphic>(
          "TTestGraphicWithAClassNameThatIsFarTooLongToBeStoredInPictureDataXY");
  return info;
}

void TTestGraphic::SetPayload(std::vector<uint8_t> payload) {
  payload_ = std::move(payload);
  Changed();
}

void TTestGraphic::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> bytes(static_cast<size_t>(stream.Size() - stream.Position()));
  stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  SetPayload(std::move(bytes));
}

void TTestGraphic::SaveToStream(TStream& stream) {
  stream.WriteBuffer(payload_.data(), static_cast<int64_t>(payload_.size()));
}

void TTestGraphic::ReadData(TStream& stream) {
  const uint32_t count = stream.ReadUInt32LE();
  if (count > stream.Size() - stream.Position()) throw EReadError();
  std::vector<uint8_t> bytes(count);
  stream.ReadBuffer(bytes.data(), count);
  if (!bytes.empty() && bytes[0] == 'F') throw EInvalidGraphic("Test graphic is not valid");
  SetPayload(std::move(bytes));
}

void TTestGraphic::WriteData(TStream& stream) {
  stream.WriteUInt32LE(static_cast<uint32_t>(payload_.size()));
  SaveToStream(stream);
}

void TTestGraphic::Assign(const TPersistent* source) {
  if (const auto* graphic = dynamic_cast<const TTestGraphic*>(source)) {
    SetPayload(graphic->payload_);
    return;
  }
  TGraphic::Assign(source);
}
