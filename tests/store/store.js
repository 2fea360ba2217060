// A learning record store for the tests, on 127.0.0.1: judges every statement
// with a published xAPI validator and keeps each statement id once. What it
// does with a post is read from a file at each post:
//   accept    store and answer 200 (409 where it already had every id)
//   refuse    answer 503
//   stall     never answer
//   drop      store, then close the connection without an answer
//   partial   store only the first half of a batch, then answer 409
//   redirect  answer 302 to another server on another port, which answers 200 to anything
//   moved     answer 307 to the same resource on this server
//   drip      answer 200 one byte a second
//   huge      store, then answer 200 with 2 GB
// GET statements?statementId=ID answers the statement or 404; other GETs of statements answer
// from what it holds, filtered by activity and time, page by page.
// node store.js MODE_FILE STATE_FILE USER PASSWORD; prints the port it listens on.
'use strict';
const fs = require('fs');
const http = require('http');
const validate = require('@learninglocker/xapi-validation').default;

const [modeFile, stateFile, user, password] = process.argv.slice(2);
const expectedAuthorization = 'Basic ' + Buffer.from(`${user}:${password}`).toString('base64');
const statements = new Map();
const tally = {posts: 0, accepted: 0, repeated: 0, refused: 0, stalled: 0, dropped: 0, unauthorised: 0, invalid: [],
               partial: 0, redirected: 0, moved: 0, dripped: 0, huge: 0, asked: 0, elsewhere: 0, leaked: 0};

function save() {
  fs.writeFileSync(stateFile + '.part', JSON.stringify({...tally, statements: [...statements.values()]}));
  fs.renameSync(stateFile + '.part', stateFile);
}

function answer(response, status, body, headers = {}) {
  response.writeHead(status, {'Content-Type': 'application/json', 'X-Experience-API-Version': '1.0.3', ...headers});
  response.end(body === undefined ? '' : JSON.stringify(body));
  save();
}

// Writes what next() gives, as fast as the client reads or every pauseMs, until it gives nothing or the client leaves.
function stream(request, response, next, pauseMs) {
  let closed = false;
  request.socket.on('close', () => { closed = true; });
  response.writeHead(200, {'Content-Type': 'application/json', 'X-Experience-API-Version': '1.0.3'});
  const more = () => {
    for (;;) {
      const chunk = closed ? null : next();
      if (chunk === null) return response.end();
      if (pauseMs) return response.write(chunk) && setTimeout(more, pauseMs);
      if (!response.write(chunk)) return response.once('drain', more);
    }
  };
  more();
}

function keep(list) {
  for (const statement of list) {
    if (!statements.has(statement.id)) statements.set(statement.id, statement);
  }
}

// Where a redirect leads: another origin, which must never see the credentials.
const elsewhere = http.createServer((request, response) => {
  ++tally.elsewhere;
  if (request.headers.authorization) ++tally.leaked;
  request.resume();
  request.on('end', () => answer(response, 200, []));
});

// GET statements: filtered by activity (and the activities below it) and timestamp,
// a few per page so that readers follow "more".
const PageSize = 7;
function query(request, response) {
  if (request.headers['x-experience-api-version'] !== '1.0.3' || request.headers.authorization !== expectedAuthorization) {
    ++tally.unauthorised;
    return answer(response, 401);
  }
  const url = new URL(request.url, 'http://store');
  const activity = url.searchParams.get('activity');
  const related = url.searchParams.get('related_activities') === 'true';
  const since = url.searchParams.get('since');
  const until = url.searchParams.get('until');
  const page = Number(url.searchParams.get('page') || 0);
  const about = (statement) => {
    const ids = [statement.object.id];
    if (related) {
      const activities = (statement.context && statement.context.contextActivities) || {};
      for (const list of Object.values(activities)) ids.push(...list.map((a) => a.id));
    }
    return ids.some((id) => id === activity || (related && id.startsWith(activity + '/')));
  };
  const matching = [...statements.values()].filter((statement) =>
    (!activity || about(statement)) && (!since || statement.timestamp > since) && (!until || statement.timestamp <= until));
  const more = (page + 1) * PageSize < matching.length;
  if (more) url.searchParams.set('page', page + 1);
  answer(response, 200, {statements: matching.slice(page * PageSize, (page + 1) * PageSize),
                         more: more ? url.pathname + url.search : ''});
}

const server = http.createServer((request, response) => {
  const chunks = [];
  request.on('data', (chunk) => chunks.push(chunk));
  request.on('end', () => {
    const mode = fs.readFileSync(modeFile, 'utf8').trim();
    const url = new URL(request.url, 'http://127.0.0.1');
    if (url.pathname !== '/xapi/statements') return answer(response, 404);
    if (request.headers['x-experience-api-version'] !== '1.0.3' || request.headers.authorization !== expectedAuthorization) {
      ++tally.unauthorised;
      return answer(response, 401);
    }
    if (request.method === 'GET' && url.searchParams.has('statementId')) {
      ++tally.asked;
      const statement = statements.get(url.searchParams.get('statementId'));
      return statement ? answer(response, 200, statement) : answer(response, 404);
    }
    if (request.method === 'GET') return query(request, response);
    if (request.method !== 'POST') return answer(response, 405);
    ++tally.posts;
    if (mode === 'refuse') {
      ++tally.refused;
      return answer(response, 503);
    }
    if (mode === 'stall') {
      ++tally.stalled;
      return save();
    }
    if (mode === 'redirect') {
      ++tally.redirected;
      return answer(response, 302, undefined, {Location: `http://127.0.0.1:${elsewhere.address().port}/xapi/statements`});
    }
    if (mode === 'moved' && !url.searchParams.has('moved')) {
      ++tally.moved;
      return answer(response, 307, undefined, {Location: '/xapi/statements?moved=1'});
    }
    if (mode === 'drip') {
      ++tally.dripped;
      let left = 120;
      save();
      return stream(request, response, () => (left-- > 0 ? '[' : null), 1000);
    }
    let posted;
    try {
      posted = JSON.parse(Buffer.concat(chunks).toString('utf8'));
    } catch (error) {
      tally.invalid.push(`not JSON: ${error.message}`);
      return answer(response, 400);
    }
    const list = Array.isArray(posted) ? posted : [posted];
    const warnings = list.flatMap((statement) => validate(statement).map((warning) => `${statement.id}: ${JSON.stringify(warning)}`));
    if (warnings.length || list.some((statement) => typeof statement.id !== 'string')) {
      tally.invalid.push(...(warnings.length ? warnings : ['a statement without an id']));
      return answer(response, 400, warnings);
    }
    const known = list.filter((statement) => statements.has(statement.id));
    if (mode === 'partial' && list.length > 1) {
      ++tally.partial;
      keep(list.slice(0, Math.ceil(list.length / 2)));
      return answer(response, 409);
    }
    keep(list);
    if (mode === 'drop') {
      ++tally.dropped;
      save();
      return request.socket.destroy();
    }
    if (mode === 'huge') {
      ++tally.huge;
      save();
      const chunk = Buffer.alloc(64 * 1024, 0x20);
      let left = 2 * 1024 * 1024 * 1024 / chunk.length;
      return stream(request, response, () => (left-- > 0 ? chunk : null), 0);
    }
    if (known.length === list.length) {
      ++tally.repeated;
      return answer(response, 409);
    }
    ++tally.accepted;
    return answer(response, 200, list.map((statement) => statement.id));
  });
});

elsewhere.listen(0, '127.0.0.1', () => {
  server.listen(0, '127.0.0.1', () => {
    save();
    console.log(server.address().port);
  });
});
