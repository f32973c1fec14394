#pragma once
// What assistive technology (a screen reader, through AT-SPI on Linux) finds
// of the program's own widgets:
//
// - A label is static text named by its caption. It also offers the
//   toolkit's standard press action, which raises the label's Click exactly
//   as a mouse click on it does (LabelWidget::press): through the program's
//   dispatch, once the call that asked for it has returned, so a handler
//   that opens a modal message box does not hold the caller's reply until
//   the box is closed. Pressing a label with no Click handler does nothing.
//   A label still takes no focus and offers no other action.
// - The filled part of a bar (a ShapeWidget with an outline) is a read-only
//   progress bar: its value is the filled share of its outline, from 0 (empty)
//   to 1 (the whole outline), so the seconds bar reads second / 60. It offers
//   no action: nothing a screen reader could invoke changes it.
// - Any other shape is a graphic with no action.
namespace kanmeri::platform {

// Installs the factory for the program's own widgets; once per process,
// after the application object exists.
void installAccessibility();

}  // namespace kanmeri::platform
