// The viewer script run by a real Chromium (headless, virtual time), with a
// harness page that registers several viewers, drags one and reports back.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"
#include "web/ViewerScript.h"

namespace turnpixa {
namespace {

// Image is replaced before the viewers preload so that every frame request
// is logged in order; each such image reports itself loaded right away.
constexpr const char* kHarness = R"(<html><body>
<img id='t1'><img id='t2'><img id='t3'><img id='t4'><img id='t5'><img id='t6'><img id='t7'><img id='t8' src='h/still.jpg'>
<pre id='result'>pending</pre>
<script language='JavaScript' src='turnpixa.js' type='text/javascript'></script>
<script>
var loads = [];
window.Image = function() {
  var o = {}, s = '';
  Object.defineProperty(o, 'src', {set: function(v) {
                                     loads.push(v); s = v;
                                     setTimeout(function() { if (o.onload) o.onload(); }, 0);
                                   }, get: function() { return s; }});
  return o;
};
AddTurnPixa('t1', 'a/image_', 8, 0, 0, '.jpg');
AddTurnPixa('t2', 'b/image_', 8, 100, 0, '.jpg');
AddTurnPixa('t3', 'c/image_', 8, -100, 0, '.jpg');
AddTurnPixa('t4', 'd/image_', 8, 0, 2, '.png');
AddTurnPixa('t5');
AddTurnPixa('t6', 'f/image_', 200);
AddTurnPixa('t7', 'g/image_', 36);
AddTurnPixa('t8', 'h/image_', 8);
function el(id) { return document.getElementById(id); }
function order(prefix) {
  var r = [];
  for (var i = 0; i < loads.length; i++)
    if (loads[i].indexOf(prefix) == 0) r.push(parseInt(loads[i].substr(prefix.length), 10));
  return r.join(',');
}
function down(img, x) {
  img.dispatchEvent(new MouseEvent('mousedown', {clientX: x, bubbles: true, cancelable: true}));
}
function move(x) { document.dispatchEvent(new MouseEvent('mousemove', {clientX: x, bubbles: true})); }
function up() { document.dispatchEvent(new MouseEvent('mouseup', {bubbles: true})); }
var out = [];
// The viewers start once they are seen to be in view, which a busy machine
// may report late: the checks wait for the two spinning ones (at most 3 s).
function whenSpinning(f, waited) {
  if ((TurnPixas[1].nLastImage != 0 && TurnPixas[2].nLastImage != 0) || waited >= 3000) return f();
  setTimeout(function() { whenSpinning(f, waited + 100); }, 100);
}
setTimeout(function() { whenSpinning(function() {
  out.push('a=' + order('a/image_'));
  out.push('b=' + order('b/image_'));
  out.push('c=' + order('c/image_'));
  out.push('d=' + order('d/image_'));
  out.push('h=' + order('h/image_'));
  var e = loads.filter(function(s) { return s.indexOf('images/image_') == 0; });
  out.push('e=' + e.length + ' ' + e[0] + ' ' + e[1] + ' ' + (TurnPixas[4].timerSpin === null));
  out.push('f=' + (loads.indexOf('f/image_120.jpg') >= 0) + ' ' +
           (loads.indexOf('f/image_005.jpg') >= 0) + ' ' + (loads.indexOf('f/image_0120.jpg') < 0));
  out.push('names=' + el('t1').name + ',' + el('t2').name + ',' + el('t7').name);
  out.push('spun=' + (TurnPixas[1].nLastImage != 0) + ',' + (TurnPixas[2].nLastImage != 0));
  var v = TurnPixas[6], steps = [];
  down(el('t7'), 100); steps.push(v.nLastImage);
  move(104); steps.push(v.nLastImage);
  move(105); steps.push(v.nLastImage);
  move(100); steps.push(v.nLastImage);
  move(99); steps.push(v.nLastImage);
  move(109); steps.push(v.nLastImage);
  up(); move(300); steps.push(v.nLastImage);
  out.push('drag=' + steps.join(',') + ' ' + el('t7').src.split('/').slice(-2).join('/'));
  out.push('others=' + TurnPixas[0].nLastImage + ',' + el('t7').style.cursor);
  down(el('t2'), 10); up();
  var held = TurnPixas[1].nLastImage;
  setTimeout(function() {
    out.push('stopped=' + (TurnPixas[1].nLastImage == held));
    el('result').textContent = out.join('\n');
  }, 600);
}, 0); }, 1000);
</script></body></html>
)";

std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), n);
    ::pclose(pipe);
    return output;
}

TEST(ViewerScriptInChromium, PreloadSpinAndDrag) {
    if (std::system("command -v chromium > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed";
    test::TempDir dir;
    test::writeWholeFile(dir.file("turnpixa.js"), ViewerScript::fileForm());
    test::writeWholeFile(dir.file("harness.htm"), kHarness);
    const std::string dom =
        run("timeout 120 chromium --headless --no-sandbox --disable-gpu "
            "--disable-background-networking --disable-component-update --disable-sync "
            "--no-first-run --user-data-dir=" +
            dir.file("profile") + " --virtual-time-budget=8000 --dump-dom file://" +
            dir.file("harness.htm") + " 2>/dev/null");
    const std::size_t open = dom.find("<pre id=\"result\">");
    ASSERT_NE(open, std::string::npos) << dom;
    const std::size_t from = open + std::string("<pre id=\"result\">").size();
    const std::string result = dom.substr(from, dom.find("</pre>", from) - from);
    // Worked out from the viewer's rules: still viewers load the first frame,
    // the quarters, the opposite one and then the frames halving the gaps,
    // spinning ones in the order they will show; numbers are taken modulo
    // the frame count after the start index is added. Behind a still image
    // the start frame comes last, as the still shows it meanwhile.
    EXPECT_EQ(result,
              "a=0,2,6,4,1,3,5,7\n"
              "b=0,1,2,3,4,5,6,7\n"
              "c=0,7,6,5,4,3,2,1\n"
              "d=2,4,0,6,3,5,7,1\n"
              "h=2,6,4,1,3,5,7,0\n"
              "e=36 images/image_000.jpg images/image_009.jpg true\n"
              "f=true true true\n"
              "names=1,2,7\n"
              "spun=true,true\n"
              "drag=0,0,1,1,0,1,1 g/image_001.jpg\n"
              "others=0,e-resize\n"
              "stopped=true");
}

}  // namespace
}  // namespace turnpixa
