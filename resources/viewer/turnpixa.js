// JavaScript for TurnPixa

// Calling HTML should include one or more calls to AddTurnPixa(). Paramters are:
//   szID          = The image id, e.g. from <img id='turnpixa1' src='...
//   szImagePrefix = folder path and start of image name, e.g. 'images/image' or 'http://www.example.com/images/image'
//   nNumImages    = The number of images in the rotation, default is 36
//   nAutoSpinInterval = milliseconds between auto spin animation frames, -ve = reverse spin, 0 = no auto spin
//   nStartIndex   = the index of the first image to display, default is image 0
//   szImageSuffix = file extension (e.g. '.jpg' or '.png'), default is .jpg
// For example:
//<img id='turnpixa1' src='turnpixa/image.jpg' width='300' height='200'>
//<script language='JavaScript' src='turnpixa.js' type='text/javascript'></script>
//<script language='JavaScript' type='text/javascript'>
//AddTurnPixa('turnpixa1', 'turnpixa/image_', 24);
//</script>

var TurnPixas = new Array;
var nActiveTurnPixa = 0;

function AddTurnPixa(szID, szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, szImageSuffix)
{
    var imageNew = new TurnPixa(szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, szImageSuffix);
    var nItem = TurnPixas.push( imageNew );
    var szPreload = 'PreLoad('+nItem+')';
    setTimeout(szPreload, 100);
    imageNew.Img = document.getElementById(szID);
    if (!imageNew.Img) return;
    imageNew.Img.onmousedown = StartRotate;
    imageNew.Img.name = nItem;
    imageNew.Img.style.cursor = 'e-resize';
    TurnPixaView(imageNew, nItem, arguments[6]);
}

function TurnPixa(szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, szImageSuffix)
{
    this.Img = document.images[0];
    this.szImagePrefix = !szImagePrefix? 'images/image_': szImagePrefix;
    this.nNumImages = !nNumImages? 36: nNumImages;
    this.nStartIndex = !nStartIndex? 0: nStartIndex;
    this.szImageSuffix = !szImageSuffix? '.jpg': szImageSuffix;
    this.nAutoSpinInterval = !nAutoSpinInterval? 0: nAutoSpinInterval;
    this.arrayImages = new Array(this.nNumImages);
    this.nLastImage = 0;
    this.nStartX = -1;
    this.timerSpin = null;
    this.PreLoad = PreLoad;
    this.IdleSpin = IdleSpin;
}

function PreLoad(nItem)
{
    var imageThis = TurnPixas[nItem>1?nItem-1:0];
    if (imageThis.fShow || !imageThis.Img) return;
    for(i=0; i<imageThis.nNumImages; i++)
    {
        var nImage = imageThis.nAutoSpinInterval<0? imageThis.nNumImages - i :
        		imageThis.nAutoSpinInterval>0? i:
        		(i&1)? imageThis.nNumImages-1-(i>>1): (i>>1);
        nImage = (nImage + imageThis.nStartIndex) % imageThis.nNumImages;
        var szZeros = nImage<10? '00': nImage<100? '0': '';
        imageThis.arrayImages[nImage]=new Image();
        imageThis.arrayImages[nImage].src=imageThis.szImagePrefix+szZeros+nImage+imageThis.szImageSuffix;
    }
    if (imageThis.nAutoSpinInterval!=0) imageThis.IdleSpin(imageThis.nAutoSpinInterval, nItem);}

function IdleSpin(nInterval, nItem)
{
    var nDirection = nInterval>0?1:-1;
    var szFuncCall = 'ShowNextImage('+nDirection+','+nItem+')';
    this.timerSpin = setInterval(szFuncCall,
    	nInterval>0?nInterval:-nInterval);
}

var isIE = document.all?true:false;
if (!isIE) document.captureEvents(Event.MOUSEMOVE);

function GetX(e) {
    if (!isIE) return e.pageX;
    else return event.clientX + document.body.scrollLeft;
}

function StartRotate(e)
{
    // mouse-down - start tracking the mouse move events
    var nItem = this.name;
    var imageThis = TurnPixas[nItem>1?nItem-1:0];
    if (imageThis.timerSpin) clearInterval(imageThis.timerSpin);
    if (!e) e = window.event;
    imageThis.nStartX = GetX(e);
    nActiveTurnPixa = nItem;
    document.onmousedown = Dummy;
    document.onmouseup = StopRotate;
    document.onmousemove = Animate;
    return false;  // false = no default event handling
}
// The viewer's own lines: what it does beyond the mouse drag above lives
// from here to Dummy and in a few lines of their own in the functions above, so
// that pages and snippets relying on the rest keep it: progressive and lazy
// loading with a load bar, touch and pen, keys, zoom (into the large frames
// of the options' zoomWidth and zoomHeight where the set has them), full
// screen, fling, pause, rows of frames (options.rows, row 1 first) and a
// name for screen readers. Old browsers must still parse it, and no error
// may leave a handler: a page carrying this script must never break by it.
function TurnPixaView(imageThis, nItem, options)
{
    try { TurnPixaSetUp(imageThis, nItem, options || {}); } catch (e) {}
}
function TurnPixaSetUp(v, nItem, o)
{
    var img = v.Img, doc = document, win = window, N = v.nNumImages;
    if (!(N >= 1) || !img.addEventListener || !img.parentNode) return;
    var R = Math.floor(o.rows) || 1;
    if (R < 1 || N % R) R = 1;
    var C = N / R;
    var j = v.szImagePrefix.lastIndexOf('/') + 1;
    var big = o.zoomWidth > 0? v.szImagePrefix.slice(0, j)+'zoom/'+v.szImagePrefix.slice(j): '';
    var reduce = win.matchMedia && matchMedia('(prefers-reduced-motion: reduce)').matches;
    var frames = [], large = [], order = [], next = 0, busy = 0, done = 0, started = 0;
    var moved = 0, way = 0, held = 0, ticking = 0, fl = 0, tap = null, P = {}, g = null;
    var cur = img.getAttribute('src'), z = 1, tx = 0, ty = 0, w0 = 0, h0 = 0, wasFull = false;
    var safe = function(f) { return function(a) { try { return f(a); } catch (x) {} }; };
    var on = function(t, type, f, opt) { t.addEventListener(type, safe(f), opt || false); };
    var now = function() { return win.performance? performance.now(): +new Date(); };
    var quiet = function(p) { if (p && p.then) p.then(null, function() {}); };
    var url = function(prefix, k) { return prefix+(k<10? '00': k<100? '0': '')+k+v.szImageSuffix; };
    // The still stands for the start frame until that one is in.
    var ok = function(k) { return frames[k] && frames[k].ok || k == S; };
    var s0 = Math.floor(v.nStartIndex) || 0;
    var S = v.nLastImage = (s0 % N + N) % N, still = cur;
    v.nRows = R;
    // The picture goes into a box of its own size that holds the load bar
    // and the buttons and clips the zoomed picture.
    var box = doc.createElement('span');
    var boxCss = 'position:relative;display:inline-block;overflow:hidden;line-height:0';
    box.style.cssText = boxCss;
    img.parentNode.insertBefore(box, img);
    box.appendChild(img);
    img.style.transformOrigin = '0 0';
    img.style.touchAction = R > 1? 'pinch-zoom': 'pan-y pinch-zoom';
    img.tabIndex = 0;
    img.setAttribute('role', 'img');
    TurnPixaName(v);
    var el = function(tag, css) {
        var e = doc.createElement(tag);
        e.style.cssText = css;
        box.appendChild(e);
        return e;
    };
    var bar = el('span', 'position:absolute;left:0;bottom:0;height:3px;width:0;display:none;' +
        'background:#1a73e8;transition:width .2s');
    var icon = function(b, d) {
        if (b) b.innerHTML = '<svg viewBox="0 0 20 20" width="16" height="16" fill="#fff">' +
            '<path d="'+d+'"/></svg>';
    };
    var right = 6;
    var button = function(title, d, f) {
        var b = el('button', 'position:absolute;bottom:8px;right:'+right+'px;width:26px;' +
            'height:26px;padding:5px;margin:0;border:0;border-radius:13px;cursor:pointer;' +
            'line-height:0;background:rgba(0,0,0,.45)');
        right += 30;
        b.type = 'button';
        b.title = title;
        icon(b, d);
        on(b, 'click', f);
        return b;
    };
    var IN = 'M9 3h2v14H9zM3 9h14v2H3z', OUT = 'M3 9h14v2H3z';
    var PAUSE = 'M5 3h3v14H5zm7 0h3v14h-3z', PLAY = 'M6 3l11 7-11 7z';
    // Turning: steps within the row, wrapping; the picture shows the frame
    // asked for, or while that one is on its way the next that is in the way
    // the visitor turns, up to a quarter turn on, so that the first drag
    // answers at once; failing that the nearest that is in.
    var show = function() {
        var k = v.nLastImage, c = k % C, r = k - c, f = -1, d, a, b, s, L;
        for (d = 0; way && f < 0 && d <= C >> 2; d++) if (ok(a = r + (c + way * d + C) % C)) f = a;
        for (d = 0; f < 0 && d <= C >> 1; d++) {
            a = r + (c + d) % C;
            b = r + (c - d + C) % C;
            f = ok(a)? a: ok(b)? b: -1;
        }
        if (f < 0) return;
        s = frames[f] && frames[f].ok? frames[f].src: still;
        if (big && (z > 1 || wasFull)) {
            L = large[f];
            if (!L) {
                L = large[f] = new Image();
                L.fetchPriority = 'high';
                L.onload = safe(function() { L.ok = 1; show(); });
                L.src = url(big, f);
            }
            if (L.ok) s = L.src;
        }
        if (s != cur) img.src = cur = s;
    };
    v.fShow = function(n) {
        var k = v.nLastImage, c = k % C;
        n = Math.round(n) || 0;
        v.nLastImage = k - c + ((c + n) % C + C) % C;
        if (n) way = n > 0? 1: -1;
        moved = 1;
        show();
        if (!ticking) TurnPixaName(v);
    };
    var tilt = function(n) {
        var k = v.nLastImage, r = Math.floor(k / C), t = Math.min(R - 1, Math.max(0, r + n));
        if (t == r) return;
        v.nLastImage = t * C + k % C;
        moved = 1;
        show();
        TurnPixaName(v);
    };
    // Auto spin shows only frames that are in: it waits for the next one
    // and passes over one that failed.
    var tick = function(d) {
        var k = v.nLastImage, c = k % C, j, f;
        for (j = 1; j < C; j++) {
            f = k - c + ((c + d * j) % C + C) % C;
            if (!frames[f] || !frames[f].bad) break;
        }
        if (j < C && ok(f)) {
            ticking = 1;
            ShowNextImage(d * j, nItem);
            ticking = 0;
        }
    };
    var pb = null;
    var spin = function(go) {
        clearInterval(v.timerSpin);
        v.timerSpin = null;
        if (go) {
            var d = v.nAutoSpinInterval>0? 1: -1;
            v.timerSpin = setInterval(safe(function() { tick(d); }), Math.abs(v.nAutoSpinInterval));
        }
        if (pb) {
            pb.title = go? 'Pause': 'Play';
            icon(pb, go? PAUSE: PLAY);
        }
    };
    var userStop = function() {
        held = 1;
        stopFling();
        if (v.timerSpin !== null) spin(0);
    };
    // Loading: the first two alone, so that they come soonest, then from
    // the first one in on six at a time (the next requests on their way
    // while the second comes in; six is what a browser fetches from one
    // server at once over HTTP/1.1, and over HTTP/2 the order still holds;
    // a large frame goes before them), in an order that covers the turn
    // evenly (the quarters, the opposite side, then halving the gaps, the
    // start last) unless the spin shows them one after another.
    var pump = function() {
        while (next < order.length && busy < (done? 6: 2)) fetch(order[next++]);
    };
    var fetch = function(k) {
        var i = frames[k] = v.arrayImages[k] = new Image();
        var end = safe(function(good) {
            if (i.ok || i.bad) return;
            if (good) i.ok = 1; else i.bad = 1;
            busy--;
            done++;
            bar.style.width = 100 * done / N + '%';
            if (done >= N) bar.style.display = 'none';
            if (moved) show();
            pump();
        });
        busy++;
        i.onload = function() { end(1); };
        i.onerror = function() { end(0); };
        i.src = url(v.szImagePrefix, k);
    };
    var start = function() {
        if (started) return;
        started = 1;
        var cols = [0], q = [0, C], a, l, m, i, d, r0 = Math.floor(v.nLastImage / C), c0 = v.nLastImage % C;
        if (v.nAutoSpinInterval) for (i = 1; i < C; i++) cols.push(v.nAutoSpinInterval<0? C - i: i);
        else {
            while (q.length) {
                a = q.shift();
                l = q.shift();
                m = a + (l >> 1);
                if (l > 1) { cols.push(m); q.push(a, m - a, m, a + l - m); }
            }
            // The quarters before the opposite side: a short drag either way
            // reaches one, none reaches the opposite side, and once the
            // three are in the turn is covered as evenly.
            if (C > 2) cols.splice(3, 0, cols.splice(1, 1)[0]);
        }
        for (d = 0; d < R; d++) for (m = d? -1: 1; m <= 1; m += 2) {
            if (r0 + m * d < 0 || r0 + m * d >= R) continue;
            for (i = 0; i < C; i++) order.push((r0 + m * d) * C + (c0 + cols[i]) % C);
        }
        // The still shows the start frame meanwhile, so that one comes last
        // of its row.
        if (still) order.splice(C - 1, 0, order.shift());
        bar.style.display = '';
        pump();
    };
    // Zoom: 1 up to the large frames' own resolution, or 2 without them.
    var zb = button('Zoom', IN, function() { zoom(z > 1? 1: maxZoom()); });
    var maxZoom = function() { return big? Math.max(1, o.zoomWidth / img.offsetWidth): 2; };
    var place = function() {
        var w = img.offsetWidth, h = img.offsetHeight;
        if (!(z > 1)) { z = 1; tx = ty = 0; }
        tx = Math.min(0, Math.max(w - w * z, tx));
        ty = Math.min(0, Math.max(h - h * z, ty));
        img.style.transform = z > 1? 'translate('+tx+'px,'+ty+'px) scale('+z+')': '';
        img.style.cursor = z > 1 || R > 1? 'move': 'e-resize';
        icon(zb, z > 1? OUT: IN);
        zb.title = z > 1? 'Zoom out': 'Zoom';
        if (moved) show();
    };
    // A point of the picture as laid out, unzoomed.
    var pos = function(x, y) {
        var b = box.getBoundingClientRect();
        return {x: x - b.left - img.offsetLeft, y: y - b.top - img.offsetTop};
    };
    var zoom = function(nz, p) {
        nz = Math.min(Math.max(nz, 1), maxZoom());
        p = p || {x: img.offsetWidth / 2, y: img.offsetHeight / 2};
        tx = p.x - (p.x - tx) * nz / z;
        ty = p.y - (p.y - ty) * nz / z;
        z = nz;
        moved = 1;
        userStop();
        place();
    };
    on(img, 'dblclick', function(e) {
        zoom(z > 1? 1: maxZoom(), pos(e.clientX, e.clientY));
        e.preventDefault();
    });
    on(img, 'wheel', function(e) {
        if (!e.ctrlKey) return;
        e.preventDefault();
        zoom(z * Math.exp(-e.deltaY / 100), pos(e.clientX, e.clientY));
    }, {passive: false});
    // Full screen keeps the aspect and takes the large frames.
    var full = function() {
        if (doc.fullscreenElement == box) return quiet(doc.exitFullscreen());
        w0 = img.offsetWidth;
        h0 = img.offsetHeight;
        quiet(box.requestFullscreen());
    };
    if (box.requestFullscreen) button('Full screen', 'M2 2h6v2H4v4H2zm10 0h6v6h-2V4h-4zM2 12h2v4h4v2H2z' +
        'm14 0h2v6h-6v-2h4z', full);
    var fit = function(again) {
        var f = doc.fullscreenElement == box, s;
        if (f == wasFull && !again) return;
        wasFull = f;
        box.style.cssText = boxCss + (f? ';display:flex;align-items:center;justify-content:center;' +
            'background:#fff': '');
        s = Math.min(box.clientWidth / w0, box.clientHeight / h0);
        img.style.width = f && s < 1e4? w0 * s + 'px': '';
        img.style.height = f && s < 1e4? h0 * s + 'px': '';
        if (f) moved = 1;
        z = 1;
        place();
    };
    on(doc, 'fullscreenchange', function() { fit(); });
    on(win, 'resize', function() { if (wasFull) fit(1); else place(); });
    if (v.nAutoSpinInterval) {
        pb = button('Play', PLAY, function() { held = 1; spin(v.timerSpin === null); });
    }
    // Keys, on the picture and its buttons.
    on(box, 'keydown', function(e) {
        var k = e.key, n = k=='ArrowRight'? 1: k=='ArrowLeft'? -1: k=='Home'? -v.nLastImage: null;
        if (e.ctrlKey || e.altKey || e.metaKey || (e.target != img && k == ' ')) return;
        if (n !== null) { userStop(); ShowNextImage(n, nItem); }
        else if (R > 1 && (k == 'ArrowUp' || k == 'ArrowDown')) { userStop(); tilt(k == 'ArrowUp'? -1: 1); }
        else if (k == ' ' && pb) { held = 1; spin(v.timerSpin === null); }
        else if (k == 'f' || k == 'F') full();
        else if (k == 'Escape' && (z > 1 || wasFull || doc.fullscreenElement == box)) {
            if (doc.fullscreenElement == box) full();
            zoom(1);
        }
        else return;
        e.preventDefault();
    });
    // Fling: a quick drag keeps turning and slows to a stop.
    var stopFling = function() {
        if (fl) cancelAnimationFrame(fl);
        fl = 0;
    };
    var fling = function(speed) {
        var last = now(), acc = 0;
        var f = safe(function() {
            var t = now(), dt = Math.min(Math.max(t - last, 0), 64), n;
            last = t;
            acc += speed * dt * C / 360;
            n = acc > 0? Math.floor(acc): Math.ceil(acc);
            if (n) { acc -= n; ShowNextImage(n, nItem); }
            speed *= Math.exp(-dt / 325);
            fl = Math.abs(speed) > 0.02? requestAnimationFrame(f): 0;
        });
        if (win.requestAnimationFrame && !reduce) fl = requestAnimationFrame(f);
    };
    // Pointers: one turns (touch and pen; a mouse in rows, otherwise it
    // turns through Animate above) or pans while zoomed, two pinch.
    var centre = function() {
        var a = [], id, c;
        for (id in P) a.push(P[id]);
        c = {n: a.length, x: a[0][0], y: a[0][1], d: 1};
        if (a.length > 1) {
            c.x = (a[0][0] + a[1][0]) / 2;
            c.y = (a[0][1] + a[1][1]) / 2;
            c.d = Math.hypot(a[0][0] - a[1][0], a[0][1] - a[1][1]) || 1;
        }
        return c;
    };
    var begin = function() {
        var c = centre();
        g = {x: c.x, y: c.y, lx: c.x, ly: c.y, d: c.d, z: z, tx: tx, ty: ty, ax: R > 1? 0: 1,
             t: [], t0: now(), moved: c.n > 1 || (g && g.moved)};
    };
    on(img, 'pointerdown', function(e) {
        if (e.pointerType == 'mouse' && e.button) return;
        userStop();
        if (e.pointerType != 'mouse') {
            // No mouse events follow, so a pen does not step twice.
            e.preventDefault();
            try { img.setPointerCapture(e.pointerId); } catch (x) {}
        }
        P[e.pointerId] = [e.clientX, e.clientY];
        g = null;
        begin();
    });
    on(img, 'mousedown', function() {
        userStop();
        if (win.PointerEvent && (z > 1 || R > 1)) v.nStartX = -1;
    });
    on(img, 'touchmove', function(e) { if (e.touches.length > 1 || z > 1) e.preventDefault(); },
       {passive: false});
    on(doc, 'pointermove', function(e) {
        if (!P[e.pointerId]) return;
        P[e.pointerId] = [e.clientX, e.clientY];
        var c = centre(), dx = c.x - g.x, dy = c.y - g.y, p0, p1, n;
        if (Math.abs(dx) + Math.abs(dy) > 10) g.moved = 1;
        if (c.n > 1) {
            // The point between the fingers stays between them.
            z = Math.min(Math.max(g.z * c.d / g.d, 1), maxZoom());
            p0 = pos(g.x, g.y);
            p1 = pos(c.x, c.y);
            tx = p1.x - (p0.x - g.tx) * z / g.z;
            ty = p1.y - (p0.y - g.ty) * z / g.z;
            moved = 1;
            return place();
        }
        if (z > 1) {
            tx = g.tx + dx;
            ty = g.ty + dy;
            return place();
        }
        if (!g.ax && Math.abs(dx) + Math.abs(dy) > 5) g.ax = Math.abs(dy) > Math.abs(dx)? 2: 1;
        if (g.ax == 1) {
            g.t.push([now(), c.x]);
            if (g.t.length > 8) g.t.shift();
        }
        if (e.pointerType == 'mouse' && R == 1) return;
        // A row turns by a frame each 360/C pixels (a plain spin keeps the
        // mouse's rule: from the last step on) and tilts by a row each 40.
        n = Math.round((c.x - g.lx) * C / 360);
        if (g.ax == 1 && n) { ShowNextImage(n, nItem); g.lx = R > 1? g.lx + n * 360 / C: c.x; }
        n = Math.round((c.y - g.ly) / 40);
        if (g.ax == 2 && n) { tilt(n); g.ly += n * 40; }
    });
    var end = function(e) {
        if (!P[e.pointerId]) return;
        delete P[e.pointerId];
        var G = g, t = now(), s = G.t, k = s.length - 1, i = k, j, speed;
        for (j in P) return begin();
        g = null;
        if (e.type != 'pointerup') return;
        if (e.pointerType != 'mouse' && !G.moved && t - G.t0 < 300) {
            // A double tap zooms in on that point, or out.
            if (tap && t - tap[0] < 350 && Math.abs(e.clientX - tap[1]) + Math.abs(e.clientY - tap[2]) < 40) {
                tap = null;
                return zoom(z > 1? 1: maxZoom(), pos(e.clientX, e.clientY));
            }
            tap = [t, e.clientX, e.clientY];
        }
        // Still moving at the release, steadily one way and at least 40 px
        // over the last 100 ms; a mouse let go beside the picture stops.
        var b = img.getBoundingClientRect();
        if (e.pointerType == 'mouse' && (e.clientX < b.left || e.clientX > b.right)) return;
        if (z > 1 || k < 1 || t - s[k][0] > 50) return;
        while (i > 0 && t - s[i - 1][0] < 100) i--;
        for (j = i + 1; j <= k; j++) if ((s[j][1] - s[j - 1][1]) * (s[k][1] - s[i][1]) <= 0) return;
        speed = (s[k][1] - s[i][1]) / Math.max(s[k][0] - s[i][0], 1);
        if (Math.abs(s[k][1] - s[i][1]) >= 40 && Math.abs(speed) > 0.3) fling(speed);
    };
    on(doc, 'pointerup', end);
    on(doc, 'pointercancel', end);
    // Nothing but the still image until the picture comes within about a
    // screen of the view; then the frames at once, behind the still that
    // the page asked for first.
    var near = function() {
        start();
        if (v.nAutoSpinInterval && !reduce && !held) spin(1);
    };
    if (win.IntersectionObserver) {
        var io = new IntersectionObserver(safe(function(list) {
            for (var i = 0; i < list.length; i++) if (list[i].isIntersecting) {
                io.disconnect();
                near();
                return;
            }
        }), {rootMargin: '100% 0px'});
        io.observe(box);
    } else near();
}
function TurnPixaName(imageThis)
{
    var img = imageThis.Img, R = imageThis.nRows || 1, C = imageThis.nNumImages / R, k = imageThis.nLastImage;
    img.setAttribute('aria-label', (img.alt? img.alt+', r': 'R')+'otatable view, '+(R > 1? 'row '+
        (Math.floor(k / C) + 1)+' of '+R+', ': '')+'frame '+(k % C + 1)+' of '+C);
}
function Dummy(e)
{
    // prevent default document mouse-down processing in Gecko browsers
    return false;
}
function ShowNextImage(nDirection, nItem)
{
    imageThis = TurnPixas[nItem>1?nItem-1:0];
    if (imageThis.fShow) return imageThis.fShow(nDirection);
    var nImage = imageThis.nLastImage + nDirection;
    while (nImage<0) nImage+=imageThis.nNumImages;
    nImage = nImage%imageThis.nNumImages;
    if (!imageThis.arrayImages[nImage]) return;
    imageThis.Img.src = imageThis.arrayImages[nImage].src;
    imageThis.nLastImage = nImage;
}
function Animate(e)
{
    // track left-right mouse movement and display corresponding 3D image
    var nItem = nActiveTurnPixa;
    var imageThis = TurnPixas[nItem>1?nItem-1:0];
    if (!e) e = window.event;
    var nImage;
    if (imageThis.nStartX >= 0)
    {
        nNewx = GetX(e);
        nImage = Math.round((nNewx-imageThis.nStartX)*imageThis.nNumImages/360);
        if (nImage != 0)
        {
            ShowNextImage(nImage, nItem);
            imageThis.nStartX = nNewx;
        }
    }
    return false;  // false = no default event handling
}
function StopRotate()
{
    // mouse up - stop tracking the mouse move events
    var nItem = nActiveTurnPixa;
    var imageThis = TurnPixas[nItem>1?nItem-1:0];
    imageThis.nStartX = -1;
    document.onmousedown = null;
    document.onmouseup = null;
    document.onmousemove = null;
}
