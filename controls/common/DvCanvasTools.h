// Every drawing routine of the controls leaves the canvas's pen, brush and font as it found them;
// this scope keeps copies and puts them back on every path.
#pragma once

#include "framework/win/graphics/Canvas.h"

class KeptCanvasTools {
 public:
  explicit KeptCanvasTools(TCanvas& canvas) : canvas_(canvas) {
    pen_.Assign(&canvas.Pen());
    brush_.Assign(&canvas.Brush());
    font_.Assign(&canvas.Font());
  }
  ~KeptCanvasTools() {
    // Assigning an equal tool changes nothing, so an untouched canvas keeps its handles.
    canvas_.Pen().Assign(&pen_);
    canvas_.Brush().Assign(&brush_);
    canvas_.Font().Assign(&font_);
  }
  KeptCanvasTools(const KeptCanvasTools&) = delete;
  KeptCanvasTools& operator=(const KeptCanvasTools&) = delete;

 private:
  TCanvas& canvas_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
};
