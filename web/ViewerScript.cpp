#include "ViewerScript.h"

namespace turnpixa {

const std::vector<std::string_view>& ViewerScript::lines() {
    // Whitespace at the start of a line is only indentation.
    static const std::vector<std::string_view> kLines{
        "// JavaScript for TurnPixa",
        "",
        "// Calling HTML should include one or more calls to AddTurnPixa(). Paramters are:",
        "//   szID          = The image id, e.g. from <img id='turnpixa1' src='...",
        "//   szImagePrefix = folder path and start of image name, e.g. 'images/image' or "
        "'http://www.example.com/images/image'",
        "//   nNumImages    = The number of images in the rotation, default is 36",
        "//   nAutoSpinInterval = milliseconds between auto spin animation frames, -ve = reverse "
        "spin, 0 = no auto spin",
        "//   nStartIndex   = the index of the first image to display, default is image 0",
        "//   szImageSuffix = file extension (e.g. '.jpg' or '.png'), default is .jpg",
        "// For example:",
        "//<img id='turnpixa1' src='turnpixa/image.jpg' width='300' height='200'>",
        "//<script language='JavaScript' src='turnpixa.js' type='text/javascript'></script>",
        "//<script language='JavaScript' type='text/javascript'>",
        "//AddTurnPixa('turnpixa1', 'turnpixa/image_', 24);",
        "//</script>",
        "",
        "var TurnPixas = new Array;",
        "var nActiveTurnPixa = 0;",
        "",
        "function AddTurnPixa(szID, szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, "
        "szImageSuffix)",
        "{",
        "    var imageNew = new TurnPixa(szImagePrefix, nNumImages, nAutoSpinInterval, "
        "nStartIndex, szImageSuffix);",
        "    var nItem = TurnPixas.push( imageNew );",
        "    var szPreload = 'PreLoad('+nItem+')';",
        "    setTimeout(szPreload, 100);",
        "    imageNew.Img = document.getElementById(szID);",
        "    imageNew.Img.onmousedown = StartRotate;",
        "    imageNew.Img.name = nItem;",
        "    imageNew.Img.style.cursor = 'e-resize';",
        "    TurnPixaTouchKeys(imageNew, nItem);",
        "}",
        "",
        "function TurnPixa(szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, "
        "szImageSuffix)",
        "{",
        "    this.Img = document.images[0];",
        "    this.szImagePrefix = !szImagePrefix? 'images/image_': szImagePrefix;",
        "    this.nNumImages = !nNumImages? 36: nNumImages;",
        "    this.nStartIndex = !nStartIndex? 0: nStartIndex;",
        "    this.szImageSuffix = !szImageSuffix? '.jpg': szImageSuffix;",
        "    this.nAutoSpinInterval = !nAutoSpinInterval? 0: nAutoSpinInterval;",
        "    this.arrayImages = new Array(this.nNumImages);",
        "    this.nLastImage = 0;",
        "    this.nStartX = -1;",
        "    this.timerSpin = null;",
        "    this.PreLoad = PreLoad;",
        "    this.IdleSpin = IdleSpin;",
        "}",
        "",
        "function PreLoad(nItem)",
        "{",
        "    var imageThis = TurnPixas[nItem>1?nItem-1:0];",
        "    for(i=0; i<imageThis.nNumImages; i++)",
        "    {",
        "        var nImage = imageThis.nAutoSpinInterval<0? imageThis.nNumImages - i :",
        "        \t\timageThis.nAutoSpinInterval>0? i:",
        "        \t\t(i&1)? imageThis.nNumImages-1-(i>>1): (i>>1);",
        "        nImage = (nImage + imageThis.nStartIndex) % imageThis.nNumImages;",
        "        var szZeros = nImage<10? '00': nImage<100? '0': '';",
        "        imageThis.arrayImages[nImage]=new Image();",
        "        imageThis.arrayImages[nImage].src=imageThis.szImagePrefix+szZeros+nImage+"
        "imageThis.szImageSuffix;",
        "    }",
        "    if (imageThis.nAutoSpinInterval!=0) imageThis.IdleSpin(imageThis.nAutoSpinInterval, "
        "nItem);}",
        "",
        "function IdleSpin(nInterval, nItem)",
        "{",
        "    var nDirection = nInterval>0?1:-1;",
        "    var szFuncCall = 'ShowNextImage('+nDirection+','+nItem+')';",
        "    this.timerSpin = setInterval(szFuncCall,",
        "    \tnInterval>0?nInterval:-nInterval);",
        "}",
        "",
        "var isIE = document.all?true:false;",
        "if (!isIE) document.captureEvents(Event.MOUSEMOVE);",
        "",
        "function GetX(e) {",
        "    if (!isIE) return e.pageX;",
        "    else return event.clientX + document.body.scrollLeft;",
        "}",
        "",
        "function StartRotate(e)",
        "{",
        "    // mouse-down - start tracking the mouse move events",
        "    var nItem = this.name;",
        "    var imageThis = TurnPixas[nItem>1?nItem-1:0];",
        "    if (imageThis.timerSpin) clearInterval(imageThis.timerSpin);",
        "    if (!e) e = window.event;",
        "    imageThis.nStartX = GetX(e);",
        "    nActiveTurnPixa = nItem;",
        "    document.onmousedown = Dummy;",
        "    document.onmouseup = StopRotate;",
        "    document.onmousemove = Animate;",
        "    return false;  // false = no default event handling",
        "}",
        // Touch, pen, keys, a name for screen readers and reduced motion, in
        // lines of their own so that pages and snippets relying on the rest keep
        // it. Touch and pen turn as the mouse does (pointer events; "pan-y
        // pinch-zoom" leaves vertical scrolling and zoom to the browser, and
        // pointerdown's default is prevented so a pen makes no mouse events
        // that would step twice). The name follows steps the visitor makes,
        // never the auto spin's.
        "function TurnPixaTouchKeys(imageThis, nItem)",
        "{",
        "    var img = imageThis.Img;",
        "    if (window.matchMedia && matchMedia('(prefers-reduced-motion: reduce)').matches) "
        "imageThis.IdleSpin = Dummy;",
        "    if (!img.addEventListener) return;",
        "    img.tabIndex = 0;",
        "    img.setAttribute('role', 'img');",
        "    TurnPixaName(imageThis);",
        "    var step = function(n) { clearInterval(imageThis.timerSpin); ShowNextImage(n, nItem); "
        "TurnPixaName(imageThis); };",
        "    document.addEventListener('mouseup', function() { TurnPixaName(imageThis); });",
        "    img.addEventListener('keydown', function(e) {",
        "        var k = e.key, n = k=='ArrowRight'? 1: k=='ArrowLeft'? -1: k=='Home'? "
        "-imageThis.nLastImage: null;",
        "        if (n !== null && imageThis.arrayImages[0]) { step(n); e.preventDefault(); }",
        "    });",
        "    if (!window.PointerEvent) return;",
        "    img.style.touchAction = 'pan-y pinch-zoom';",
        "    img.addEventListener('pointerdown', function(e) {",
        "        if (e.pointerType == 'mouse') return;",
        "        e.preventDefault();",
        "        clearInterval(imageThis.timerSpin);",
        "        imageThis.nStartX = e.pageX;",
        "        img.setPointerCapture(e.pointerId);",
        "    });",
        "    img.addEventListener('pointermove', function(e) {",
        "        var n = Math.round((e.pageX-imageThis.nStartX)*imageThis.nNumImages/360);",
        "        if (e.pointerType != 'mouse' && imageThis.nStartX >= 0 && n != 0) { step(n); "
        "imageThis.nStartX = e.pageX; }",
        "    });",
        "    var end = function(e) { if (e.pointerType != 'mouse') imageThis.nStartX = -1; };",
        "    img.addEventListener('pointerup', end);",
        "    img.addEventListener('pointercancel', end);",
        "}",
        "function TurnPixaName(imageThis)",
        "{",
        "    var img = imageThis.Img;",
        "    img.setAttribute('aria-label', (img.alt? img.alt+', r': 'R')+'otatable view, frame "
        "'+(imageThis.nLastImage+1)+' of '+imageThis.nNumImages);",
        "}",
        "function Dummy(e)",
        "{",
        "    // prevent default document mouse-down processing in Gecko browsers",
        "    return false;",
        "}",
        "function ShowNextImage(nDirection, nItem)",
        "{",
        "    imageThis = TurnPixas[nItem>1?nItem-1:0];",
        "    var nImage = imageThis.nLastImage + nDirection;",
        "    while (nImage<0) nImage+=imageThis.nNumImages;",
        "    nImage = nImage%imageThis.nNumImages;",
        // A drag can come before the preload timer has made the frames.
        "    if (!imageThis.arrayImages[nImage]) return;",
        "    imageThis.Img.src = imageThis.arrayImages[nImage].src;",
        "    imageThis.nLastImage = nImage;",
        "}",
        "function Animate(e)",
        "{",
        "    // track left-right mouse movement and display corresponding 3D image",
        "    var nItem = nActiveTurnPixa;",
        "    var imageThis = TurnPixas[nItem>1?nItem-1:0];",
        "    if (!e) e = window.event;",
        "    var nImage;",
        "    if (imageThis.nStartX >= 0)",
        "    {",
        "        nNewx = GetX(e);",
        "        nImage = Math.round((nNewx-imageThis.nStartX)*imageThis.nNumImages/360);",
        "        if (nImage != 0)",
        "        {",
        "            ShowNextImage(nImage, nItem);",
        "            imageThis.nStartX = nNewx;",
        "        }",
        "    }",
        "    return false;  // false = no default event handling",
        "}",
        "function StopRotate()",
        "{",
        "    // mouse up - stop tracking the mouse move events",
        "    var nItem = nActiveTurnPixa;",
        "    var imageThis = TurnPixas[nItem>1?nItem-1:0];",
        "    imageThis.nStartX = -1;",
        "    document.onmousedown = null;",
        "    document.onmouseup = null;",
        "    document.onmousemove = null;",
        "}",
    };
    return kLines;
}

std::string ViewerScript::fileForm() {
    std::string out;
    for (std::string_view line : lines()) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ViewerScript::inlineForm() {
    std::string out(kOpenLine);
    out += "\r\n";
    out += fileForm();
    out += kCloseLine;
    out += "\r\n";
    return out;
}

}  // namespace turnpixa
