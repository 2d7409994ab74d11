// The English help pages of the history's windows.
#include <array>

#include "res/help_pages.h"

namespace tarvik {
namespace {

constexpr std::array<HelpPageText, 4> kTopics = {{
    {1310, R"html(
<h2>History</h2>
<p>Every shot is kept the moment it comes, in the <i>current string</i>. Choose
<b>Shots &gt; New string...</b> (Ctrl+N) to give the next string a
<a href="topic:1313">name and notes</a>; <b>Averages &gt; Reset</b> closes the current string,
and the next shot starts a new one, named by its date and time until you name it. A string
without a shot is not kept.</p>
<p>Choose <b>Shots &gt; History...</b> to see every kept string, the newest at the top: when it
<b>Started</b>, its <b>Name</b>, how many <b>Shots</b> count, their <b>Average</b> velocity,
extreme spread (<b>ES</b>) and standard deviation (<b>SD</b>) in the units you use, and the
first line of its <b>Notes</b>. Select strings to see their <a href="topic:1311">figures and
chart</a> under the list; hold Ctrl or Shift to select several.</p>
<ul>
<li><b>Open</b> (or a double click, or Enter) shows a string in a
<a href="topic:1312">window of its own</a>.</li>
<li><b>Name and notes...</b> names the selected string and notes its pellet, weight, gun and
setup.</li>
<li><b>Delete</b> (or the Delete key) asks first, then moves the selected strings to the
<i>deleted</i> folder beside the history, where you can still find them.</li>
<li><b>Export...</b> writes the selected strings, or every string when none is selected, to a
CSV file that spreadsheets open: one line per shot, with its time, velocity and energy in both
units, weight, count and mark, and whether it was left out (an undone shot counts as left
out).</li>
<li><b>Save chart...</b> saves the chart as a PNG picture, or on Linux also as PDF or SVG, by
the file name's ending.</li>
</ul>
<p>The history is kept in the folder Dorvex\Tarvik of your application data on Windows, and in
~/.local/share/Dorvex/Tarvik on Linux, one file per string. The window remembers where you put
it and how large you made it.</p>
)html"},
    {1311, R"html(
<h2>Comparing strings</h2>
<p>Under the <a href="topic:1310">history</a> stand the figures of the selected strings, a
column each, headed by their names: the shots that count (and how many were left out), the
average, extreme spread, standard deviation (n&nbsp;&minus;&nbsp;1), lowest and highest
velocity, and the weight they were shot with. Select two to four strings to compare them side by
side; with more selected, the first four are shown, and the corner says so.</p>
<p>The chart overlays the velocities of the selected strings by shot number, each in its own
colour (blue, orange, green, purple), with a dashed line at each string's average in its colour
and the names above the plot. Shots left out or undone are not drawn.</p>
)html"},
    {1312, R"html(
<h2>A kept string</h2>
<p><b>Open</b> in the <a href="topic:1310">history</a> shows a string as the shot table showed
it: each shot's number, time, velocity, energy, count and mark, and a <b>Status</b> column
saying <b>left out</b>, <b>undone</b> or <b>loaded</b> (from the shot log). Shots left out or
undone are greyed and count in none of the figures under the table; the chart draws them
hollow. Click a shot on the chart to select its row.</p>
<p>A kept string cannot be changed, only named: <b>Name and notes...</b> changes its
<a href="topic:1313">name and notes</a>, <b>Export...</b> writes it to a CSV file and
<b>Save chart...</b> saves its chart. You can open several strings at once.</p>
)html"},
    {1313, R"html(
<h2>Name and notes</h2>
<p>Give a string a <b>Name</b> you will recognise in the <a href="topic:1310">history</a>, up to
100 characters, and <b>Notes</b> on what you shot: the pellet, its weight, the gun and its setup,
up to 1,000 characters. Spaces at either end are dropped. A string without a name is shown by
the date and time it started.</p>
<p>Click <b>OK</b> to keep them, or <b>Cancel</b> to leave everything as it was. Asked by
<b>Shots &gt; New string...</b>, they are given to the next string, which starts with the next
shot.</p>
)html"},
}};

}  // namespace

std::span<const HelpPageText> EnglishHistoryHelpTopics() { return kTopics; }

}  // namespace tarvik
