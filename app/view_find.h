#pragma once
// Finding text in the text view as the window's find bar does: steps from hit to hit that wrap
// around at the text's ends, and the count of all hits, made a slice at a time so that a very
// long text never holds up the window.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor.h"
#include "platform/object.h"
#include "textstore/search.h"

namespace quillet {

struct FindOptions {
  bool MatchCase = false;
  bool IgnoreWidth = false;  // half-width and full-width forms match each other
};

// The view's search options for a step in one direction.
textstore::TSearchOptions SearchOptionsOf(FindOptions options, bool forward);

enum class FindOutcome { NotFound, Found, Wrapped };

// Shows the next (forward) or previous hit of `pattern` (CP932) after or before the hit,
// selection or caret, in the drawn hit style. Past the last (first) hit the search goes on from
// the text's start (end): Wrapped. NotFound puts the caret back where it was.
FindOutcome FindStep(editor::TEditor& view, std::string_view pattern, FindOptions options,
                     bool forward);

// The same forward from the start of the hit or selection shown (else from the caret), so that
// a pattern growing as it is typed keeps the hit it already has when that still matches.
FindOutcome FindFromHere(editor::TEditor& view, std::string_view pattern, FindOptions options);

// Zoom: the font size `steps` sizes larger (smaller when negative) than `points`, along the
// usual ladder of sizes from 6 to 72 points; a size between two rungs goes to the nearer rung in
// the direction asked. Always within 6 ... 72.
int ZoomedPoints(int points, int steps);

// Back to the window's own hit style once the finding is over: the hit shown, or a stream
// selection, stays as an ordinary selection (changing the style alone would drop it).
void EndFind(editor::TEditor& view, editor::TEditorHitStyle windowStyle);

// Counts the hits of a pattern in a view's text: the hits that stepping forward from the text's
// start shows, each after the last, so that a hit's number matches what the steps meet. Lines
// are counted whole (no hit crosses a line break), a slice of lines at a time, and the hits
// before each slice are kept, so that a hit's number needs one slice counted again. Any change
// of the view's rows (new text, another wrap) starts the count over.
class HitCounter : public platform::TObject {
 public:
  // Attaches to the view's rows until destruction; the view outlives the counter.
  explicit HitCounter(editor::TEditor& view);
  ~HitCounter() override;

  // Counting starts over for `pattern`; an empty one has no hits.
  void Start(std::string pattern, FindOptions options);
  // Counts on through at least `bytes` bytes of text; true once all of it is counted.
  bool Step(std::size_t bytes);
  bool Done() const { return nextRow_ >= view_.RowCount(); }
  // Hits counted so far.
  std::size_t Count() const { return count_; }
  // The 1-based number of the hit that begins at byte `byte` of row `row`, once the count has
  // passed it; nothing before.
  std::optional<std::size_t> Ordinal(int row, int byte) const;
  // Called when a change of the rows started the count over.
  std::function<void()> OnRestart;

 private:
  // Joins whole lines from row `first` on, with CR LF after each line end, until the text
  // holds `bytes` bytes or the rows end; `end` gets the row after the last one taken.
  std::string Gather(int first, std::size_t bytes, int& end) const;
  std::size_t CountIn(std::string_view text, std::size_t limit) const;
  void RowsChanging(platform::TObject* Sender);

  struct Slice {
    int FirstRow;
    std::size_t HitsBefore;
  };
  editor::TEditor& view_;
  std::string pattern_;
  textstore::TSearchOptions options_ = 0;
  std::vector<Slice> slices_;
  int nextRow_ = 0;
  std::size_t count_ = 0;
};

}  // namespace quillet
