// The English help pages.
#include <array>

#include "res/help_pages.h"

namespace tarvik {
namespace {

constexpr std::string_view kContents = R"html(
<h2>Tarvik Help</h2>
<p>Tarvik shows the shots your Dorvex qm-307 chronoscope measures: the velocity and energy of
every pellet, the averages of your string, and more.</p>
<h3>The main window</h3>
<ul>
<li><a href="topic:1209">The main window and your string of shots</a></li>
<li><a href="topic:1200">Last shot</a>: <a href="topic:1201">velocity</a>,
<a href="topic:1202">energy</a>, <a href="topic:1203">counts</a></li>
<li><a href="topic:1204">Projectile weight</a></li>
<li><a href="topic:1205">Averages</a>: <a href="topic:1206">shots</a>,
<a href="topic:1207">average velocity</a>, <a href="topic:1208">average energy</a></li>
<li><a href="topic:1103">The memory tab</a></li>
<li><a href="topic:1210">The web address</a></li>
</ul>
<h3>Set up</h3>
<ul>
<li><a href="topic:1106">Set up</a></li>
<li>General: <a href="topic:1220">serial port</a>, <a href="topic:1221">legal limit</a>,
<a href="topic:1222">metric units</a>, <a href="topic:1104">calibration</a></li>
<li>Log: <a href="topic:1240">Use Logging</a>, <a href="topic:1241">log file</a></li>
<li>Sound: <a href="topic:1260">Use Sound</a>, <a href="topic:1261">sound files</a>,
<a href="topic:1262">Browse</a>, <a href="topic:1263">Play</a></li>
</ul>
<h3>More</h3>
<ul>
<li><a href="topic:1300">Shot table</a>: <a href="topic:1301">figures</a>,
<a href="topic:1302">chart</a></li>
<li><a href="topic:1310">History</a>: <a href="topic:1311">comparing strings</a>,
<a href="topic:1312">a kept string</a>, <a href="topic:1313">name and notes</a></li>
<li><a href="topic:1100">Advanced statistics</a></li>
<li><a href="topic:1101">Big display</a></li>
<li><a href="topic:1102">Graph</a></li>
<li><a href="topic:1105">Logging</a></li>
<li><a href="topic:1005">Using help</a></li>
</ul>
)html";

constexpr std::string_view kNoTopic = R"html(<p><i>There is no help on this item.</i></p>)html";

constexpr std::array<HelpPageText, 31> kTopics = {{
    {1300, R"html(
<h2>Shot table</h2>
<p>Choose <b>Shots &gt; Shot table on/off</b> to see every shot of your string in a table, the
newest at the bottom: its number, the time it came, its velocity and energy in the units you
use, the instrument's <a href="topic:1203">count</a> and mark, and <b>over</b> in the
<b>Limit</b> column, in red, when its energy is above the
<a href="topic:1221">legal limit</a>. Shots loaded with <b>Averages &gt; Load log</b> have no
time, count or mark.</p>
<p>Select one or more shots and press <b>Leave out</b> (or the Delete key, or right-click the
table) to leave a flyer out: it stays in the table, greyed and struck through, but no longer
counts in the main window's averages, the <a href="topic:1100">advanced statistics</a>, the
<a href="topic:1102">graph</a>, or the table's <a href="topic:1301">figures</a> and
<a href="topic:1302">chart</a>. <b>Take in</b> (or the Insert key) counts it again: nothing is
lost by a slip of the finger. <b>Averages &gt; Undo</b> takes away the last shot of the table,
counted or left out, and <b>Averages &gt; Reset</b> empties it.</p>
<p>The window remembers where you put it and how large you made it.</p>
)html"},
    {1301, R"html(
<h2>Shot table figures</h2>
<p>Under the <a href="topic:1300">shot table</a> stand the figures of the shots that count, for
velocity and for energy:</p>
<ul>
<li><b>Shots</b>: how many count, and how many you left out.</li>
<li><b>Average</b>: the mean. The energy average is the mean of the shots' energies, not the
energy of the average velocity.</li>
<li><b>Extreme spread</b>: the highest minus the lowest.</li>
<li><b>Standard deviation</b>: the sample standard deviation, which divides by
n&nbsp;&minus;&nbsp;1, as chronograph figures usually are. The advanced statistics' RMS divides
by n, so it comes out a little smaller. It needs at least two shots.</li>
<li><b>Lowest</b> and <b>Highest</b>.</li>
</ul>
<p>The velocity figures use each shot's unrounded velocity. The energy figures use each shot's
energy as its row shows it, that of its velocity rounded down to whole fps, as the main window
shows the last shot; so they can differ a little from the
<a href="topic:1100">advanced statistics</a>, which use the unrounded velocities.</p>
)html"},
    {1302, R"html(
<h2>Shot table chart</h2>
<p>Beside the <a href="topic:1300">shot table</a>, the chart shows the velocity of every shot by
its number. The dashed line is the average, and the shaded band reaches one
<a href="topic:1301">standard deviation</a> above and below it. Shots you left out are drawn
hollow and count in neither. The shot selected in the table is highlighted; click a shot on the
chart to select its row.</p>
)html"},
    {1005, R"html(
<h2>Using help</h2>
<p>Help opens in this small window beside Tarvik. To ask about something:</p>
<ul>
<li>Press <b>F1</b> while a field or button has the focus.</li>
<li>Click the <b>?</b> button in a window's caption, then click the item.</li>
<li>Right-click the item.</li>
<li>Choose <b>Help &gt; Contents</b> for the list of all topics.</li>
</ul>
<p>The topics a page leads on to are its links. Where a link is underlined in the text, click it
to open the topic; where the links stand in a list below the page, double-click one there.
<b>Back</b> returns to the topics you read before, one at a time, and <b>Contents</b> shows the
list of topics. When an item has no help of
its own, you get the contents with a short note.</p>
)html"},
    {1100, R"html(
<h2>Advanced statistics</h2>
<p>Choose <b>Averages &gt; Advanced Statistics on/off</b> to open or close this window. For
velocity and energy it shows the minimum (<b>Min</b>), maximum (<b>Max</b>), average
(<b>Avg</b>), <b>Range</b> (maximum minus minimum) and <b>RMS</b> deviation. It uses all the
shots of your string, or only the last N when you tick <b>Use just the last</b> and type N.</p>
<p>For the RMS deviation, the squared differences from the average are added up, divided by
the number of shots n, and the square root taken: the population RMS, not the sample standard
deviation (which divides by n&nbsp;&minus;&nbsp;1 and comes out a little larger).</p>
<p>The energies here come from each shot's own, unrounded velocity. So the average energy is
the mean of the shots' energies and can differ slightly from the
<a href="topic:1208">average energy</a> in the main window.</p>
)html"},
    {1101, R"html(
<h2>Big display</h2>
<p>Choose <b>Big</b> to open a window with the last shot's velocity and energy in large digits,
easy to read from the firing point. Drag its edges to size it: the digits grow and shrink with
the window. Choose <b>Big</b> again to close it; it opens where you left it.</p>
<p>The figures turn red when the energy is above the <a href="topic:1221">legal limit</a>.</p>
)html"},
    {1102, R"html(
<h2>Graph</h2>
<p>Choose <b>Averages &gt; Graphics on/off</b> to see the velocities of your string as a graph.
Right-click the graph for its menu:</p>
<ul>
<li><b>Sequential Graph</b>: the shots in the order you fired them.</li>
<li><b>Histogram</b>: how many shots fell at each velocity.</li>
<li><b>Selected Only</b>: only the shots the <a href="topic:1100">advanced statistics</a> use,
all of them or the last N.</li>
<li><b>Show Markers</b>: marks every shot on the graph.</li>
</ul>
)html"},
    {1103, R"html(
<h2>The memory tab</h2>
<p>The qm-307 keeps up to 4095 shots in its memory tab, even while Tarvik is not running. The
<b>Tab</b> group shows how many shots are <b>buffered</b> (stored but not yet sent to Tarvik) and
how many <b>previous</b> ones the tab can step back to. The group stays grey until the tab
answers.</p>
<ul>
<li><b>Fire</b> sends the next stored shot, just as if you had fired it now.</li>
<li><b>All</b> sends the stored shots one after another until none are left. Press any other
tab button to stop.</li>
<li><b>Back</b> steps back one shot and <b>Back 10</b> ten shots, so they can be sent
again.</li>
</ul>
)html"},
    {1104, R"html(
<h2>Calibration</h2>
<p>The calibration number on the <b>General</b> page of <a href="topic:1106">Set up</a>
fine-tunes the velocity. <b>100</b> means no change, the instrument as it left the maker, and is
right for almost everyone.</p>
<p>It adjusts the timing constant that turns the <a href="topic:1203">counts</a> into a
velocity: a higher number gives slightly lower velocities, a lower number slightly higher ones.
Change it only to match a trusted reference, and in small steps.</p>
)html"},
    {1105, R"html(
<h2>Logging</h2>
<p>The <b>Logging</b> menu keeps a record of your shots in the
<a href="topic:1241">log file</a>:</p>
<ul>
<li><b>Logging</b> switches logging on and off (ticked when on), just like
<a href="topic:1240">Use Logging</a> in Set up.</li>
<li><b>View Log</b> opens the log in your text editor.</li>
<li><b>Delete log</b> deletes the log file at once, without asking.</li>
</ul>
<p><b>Averages &gt; Load log</b> reads the velocities in the log and adds them to your string,
for example to look at an earlier session in the statistics and the graph.</p>
)html"},
    {1106, R"html(
<h2>Set up</h2>
<p>Choose <b>Set up</b> to change how Tarvik works. Its pages:</p>
<ul>
<li><b>General</b>: the <a href="topic:1220">serial port</a>, the
<a href="topic:1221">legal limit</a>, <a href="topic:1222">metric units</a> and the
<a href="topic:1104">calibration</a>.</li>
<li><b>Log</b>: <a href="topic:1240">Use Logging</a> and the
<a href="topic:1241">log file</a>.</li>
<li><b>Sound</b>: <a href="topic:1260">Use Sound</a> and the
<a href="topic:1261">sound files</a>.</li>
<li><b>Tab</b>: the version and the two pointers of the instrument's
<a href="topic:1103">memory tab</a>, and <b>Reset Tab</b>, which empties it.</li>
</ul>
<p><b>Apply</b> puts your changes into effect, <b>OK</b> does the same and closes the window,
<b>Cancel</b> closes it without changes. Tarvik remembers your settings for next time. A
calibration you type counts at once, even if you cancel; the port you choose is opened when the
window closes.</p>
)html"},
    {1200, R"html(
<h2>Last shot</h2>
<p>The <b>Last shot</b> group shows the shot the chronoscope measured most recently: its
<a href="topic:1201">velocity</a>, its <a href="topic:1202">energy</a> and the
<a href="topic:1203">counts</a> they come from.</p>
<p>Each new shot replaces these figures and joins the <a href="topic:1205">averages</a>. Tarvik
still shows the last shot when you start it again.</p>
)html"},
    {1201, R"html(
<h2>Velocity</h2>
<p>The speed of the last pellet between the two sensors, in feet per second (<b>fps</b>), or in
metres per second (<b>m/s</b>) with <a href="topic:1222">metric units</a>. The unit is shown
beside the figure.</p>
<p>If your readings are always a little high or low against a trusted reference, see
<a href="topic:1104">calibration</a>.</p>
)html"},
    {1202, R"html(
<h2>Energy</h2>
<p>The muzzle energy of the last shot, in foot-pounds (<b>ft.lbs</b>), or in <b>joules</b> with
<a href="topic:1222">metric units</a>. Tarvik works it out from the velocity, rounded down to
whole fps, and the <a href="topic:1204">projectile weight</a>, so enter the weight of the pellets
you are shooting.</p>
<p>A shot above the <a href="topic:1221">legal limit</a> shows red on the
<a href="topic:1101">big display</a>.</p>
)html"},
    {1203, R"html(
<h2>Counts</h2>
<p>The raw reading behind the last shot: the number of timer ticks the chronoscope counted while
the pellet flew from the first sensor to the second. The faster the pellet, the fewer the
counts.</p>
<p>Tarvik turns the counts into the <a href="topic:1201">velocity</a> with the instrument's timing
constant and your <a href="topic:1104">calibration</a>. You rarely need this figure, but it helps
when checking the instrument.</p>
)html"},
    {1204, R"html(
<h2>Projectile weight</h2>
<p>Type the weight of one pellet here: in <b>grains</b>, or in <b>grammes</b> with
<a href="topic:1222">metric units</a>. Tarvik keeps what you type at once; there is nothing to
confirm. A weight of 0, or text that is no number, is not taken.</p>
<p>The weight gives the <a href="topic:1202">energy</a> of every shot from then on and the
<a href="topic:1208">average energy</a>.</p>
)html"},
    {1205, R"html(
<h2>Averages</h2>
<p>The <b>Averages</b> group sums up your string of shots: the
<a href="topic:1206">number of shots</a>, the <a href="topic:1207">average velocity</a> and the
<a href="topic:1208">average energy</a>.</p>
<p><b>Averages &gt; Reset</b> starts a new string. <b>Averages &gt; Undo</b> takes the last shot
out of the string, for a shot you do not want to count. For the spread of your shots, open the
<a href="topic:1100">advanced statistics</a>.</p>
)html"},
    {1206, R"html(
<h2>Shots</h2>
<p>How many shots your string holds. Every shot measured adds one, <b>Reset</b> starts again
from none and <b>Undo</b> takes the last shot away. Shots read back with <b>Load log</b> count
too (see <a href="topic:1105">logging</a>).</p>
)html"},
    {1207, R"html(
<h2>Average velocity</h2>
<p>The mean velocity of all the shots in your string, in fps or m/s. Compare it with the
<a href="topic:1201">last shot</a> to see how consistent your gun and pellets are; the
<a href="topic:1100">advanced statistics</a> show the spread in figures.</p>
)html"},
    {1208, R"html(
<h2>Average energy</h2>
<p>The energy of the average velocity: Tarvik takes the <a href="topic:1207">average
velocity</a>, rounds it down to whole fps and works out the energy at the
<a href="topic:1204">projectile weight</a>.</p>
<p>That is not quite the mean of the shots' own energies, which the
<a href="topic:1100">advanced statistics</a> show, so the two can differ slightly.</p>
)html"},
    {1209, R"html(
<h2>The main window</h2>
<p>Tarvik reads every shot from the qm-307 chronoscope through the serial port the moment you
fire. The main window shows the <a href="topic:1200">last shot</a> and the
<a href="topic:1205">averages</a>, with the <a href="topic:1204">projectile weight</a> and the
<a href="topic:1103">memory tab</a> below them. <b>Mk</b> shows which generation of the
instrument the last reading came from.</p>
<p>Your <i>string</i> is the run of shots since Tarvik started or since you last chose
<b>Averages &gt; Reset</b>. The averages, the <a href="topic:1100">statistics</a> and the
<a href="topic:1102">graph</a> all work on it.</p>
<p>Before the first shot, choose the serial port and your units in
<a href="topic:1106">Set up</a>.</p>
)html"},
    {1210, R"html(
<h2>Web address</h2>
<p>The line below the projectile weight in the main window is the web address of Dorvex, the
maker of the qm-307 chronoscope. Visit it for news, manuals and updates.</p>
)html"},
    {1220, R"html(
<h2>Serial port</h2>
<p>On the <b>General</b> page of <a href="topic:1106">Set up</a>, choose the serial port the
chronoscope is plugged into. The list shows the ports present on this computer.</p>
<p>If the port you chose before is no longer there (say, a USB adapter was unplugged), the first
port present takes its place. If Tarvik cannot open the port, it tells you once; plug the
chronoscope in and open Set up again.</p>
)html"},
    {1221, R"html(
<h2>Legal limit</h2>
<p>The <b>Law</b> field holds the highest energy your gun may have, in ft.lbs, or in joules with
<a href="topic:1222">metric units</a>. It starts at 12 ft.lbs.</p>
<p>A shot above the limit shows red on the <a href="topic:1101">big display</a> and, with
<a href="topic:1260">sound</a> on, plays the over-limit <b>FAC</b> sound. A shot at exactly the
limit is not shown red, but it does play the FAC sound.</p>
)html"},
    {1222, R"html(
<h2>Metric units</h2>
<p>Tick <b>Use Metric units</b> on the <b>General</b> page to see velocities in m/s, energies in
joules and the projectile weight in grammes throughout Tarvik. Clear it for fps, ft.lbs and
grains.</p>
<p>Only what you see and type changes: Tarvik keeps its settings, the last shot and the log in
imperial units, so switching back and forth loses nothing.</p>
)html"},
    {1240, R"html(
<h2>Use Logging</h2>
<p>Tick <b>Use Logging</b> on the <b>Log</b> page to write every shot to the
<a href="topic:1241">log file</a>. Each shot adds one line, <code>velocity,energy,weight</code>,
in fps, ft.lbs and grains whatever units you see, for example
<code>812.45,14.69,10.03</code>.</p>
<p>The log is plain text that a spreadsheet can open. The <a href="topic:1105">Logging</a> menu
switches logging on and off too.</p>
)html"},
    {1241, R"html(
<h2>Log file</h2>
<p>The file the shots are written to; at first <b>Tarvik.log</b>. Type a name, or click
<b>Browse</b> to pick a file. New lines always go at the end, so nothing already in the file is
lost.</p>
)html"},
    {1260, R"html(
<h2>Use Sound</h2>
<p>Tick <b>Use Sound</b> on the <b>Sound</b> page to hear every shot. After a shot Tarvik waits
200&nbsp;ms, then plays the <b>Legal</b> sound, or the over-limit <b>FAC</b> sound when the
energy is at or above the <a href="topic:1221">legal limit</a>: you know at once, without
looking, whether a shot was over.</p>
<p>Choose the two <a href="topic:1261">sound files</a> on the same page.</p>
)html"},
    {1261, R"html(
<h2>Sound files</h2>
<p><b>Legal</b> is the sound for a shot below the <a href="topic:1221">legal limit</a>,
<b>FAC</b> the sound for one at or above it. Both are wave files (.wav); Tarvik comes with
Airgun.wav and Blurp.wav.</p>
<p>Type a file name or <a href="topic:1262">browse</a> for one, and try it with
<a href="topic:1263">Play</a>.</p>
)html"},
    {1262, R"html(
<h2>Browse for a sound</h2>
<p>Opens a file window to pick a wave file for the sound beside the button. The file you pick
goes into the field and is used once you click <b>OK</b> or <b>Apply</b>.</p>
)html"},
    {1263, R"html(
<h2>Play</h2>
<p>Plays the file named in the field beside the button now, so you can hear it before you click
<b>OK</b> or <b>Apply</b>. If you hear nothing, check the file name and your computer's
sound.</p>
)html"},
}};

constexpr HelpLanguagePages kPages{kContents, kNoTopic, kTopics,
                                   HelpWindowTexts{"Tarvik Help", "Contents", "Back"}};

}  // namespace

const HelpLanguagePages& EnglishHelpPages() { return kPages; }

}  // namespace tarvik
